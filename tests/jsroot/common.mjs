// Shared helpers of the JSROOT cross-checks.
import { openFile, addUserStreamer, treeProcess, TSelector } from 'jsroot';
import { readdirSync, readFileSync } from 'fs';

// TPointsArray3D is streamed by ROOT's own hand-written streamer (version, TObject, number of
// points, x y z per point as floats, option string); JSROOT has no streamer for it.
addUserStreamer('TPointsArray3D', (buf, obj) => {
   buf.classStreamer(obj, 'TObject');
   obj.fN = buf.ntoi4();
   obj.fP = buf.readFastArray(obj.fN * 3, 5 /* kFloat */);
   obj.fOption = buf.readTString();
});

export { openFile };

// The NAME.root files of dir, each with what its NAME.json says was written; stops the check
// when there are none.
export function writtenFiles(dir) {
   const files = readdirSync(dir).filter(f => f.endsWith('.json')).sort();
   if (!files.length) {
      console.error('no files to check in ' + dir);
      process.exit(1);
   }
   return files.map(json => ({
      name: json.replace(/\.json$/, '.root'),
      want: JSON.parse(readFileSync(`${dir}/${json}`, 'utf8'))
   }));
}

let failures = 0;
export function fail(msg) {
   failures++;
   if (failures <= 50)
      console.error('MISMATCH: ' + msg);
}
export function failureCount() { return failures; }

function norm(v) {
   if (v === true) return 1;
   if (v === false) return 0;
   if (typeof v === 'bigint') return Number(v);
   if (v !== null && typeof v === 'object' && 'hi' in v && 'lo' in v) return v.hi * 4294967296 + v.lo;
   return v;
}

function expected(v) {
   if (v === 'nan') return NaN;
   if (v === 'inf') return Infinity;
   if (v === '-inf') return -Infinity;
   return v;
}

export function sameNumber(a, b) {
   a = norm(a); b = expected(b);
   if (Number.isNaN(a) && Number.isNaN(b)) return true;
   return a === b;
}

export function compareNumbers(what, got, want) {
   if (typeof got === 'string') {
      // JSROOT gives char arrays as text: compare up to the first NUL.
      const codes = Array.from(got, c => c.charCodeAt(0));
      got = want.map((w, i) => i < codes.length ? (codes[i] > 127 ? codes[i] - 256 : codes[i]) : 0);
      want = want.map((w, i) => i < codes.length ? w : 0);
   }
   got = got ? Array.from(got, norm) : [];
   if (got.length !== want.length) {
      fail(`${what}: ${got.length} values, expected ${want.length}`);
      return;
   }
   for (let i = 0; i < want.length; ++i)
      if (!sameNumber(got[i], want[i])) {
         fail(`${what}[${i}]: ${got[i]} != ${want[i]}`);
         return;
      }
}

export function compare(what, got, want) {
   if (typeof want === 'number' || want === 'nan' || want === 'inf' || want === '-inf') {
      if (!sameNumber(got, want)) fail(`${what}: ${got} != ${want}`);
   } else if (got !== want)
      fail(`${what}: ${JSON.stringify(got)} != ${JSON.stringify(want)}`);
}

// Values of the given branches, entry by entry, read by JSROOT.
export async function readBranches(tree, names) {
   const sel = new TSelector();
   const find = (list, name) => {
      for (const b of list?.arr ?? []) {
         if (b.fName === name) return b;
         const sub = find(b.fBranches, name);
         if (sub) return sub;
      }
      return null;
   };
   const keys = names.map((n, i) => sel.addBranch(find(tree.fBranches, n) ?? n, 'b' + i));
   const out = names.map(() => []);
   sel.Process = function() {
      keys.forEach((k, i) => {
         let v = this.tgtobj['b' + i];
         if (v !== null && typeof v === 'object' && !('arr' in v) && typeof v.length === 'number')
            v = Array.from(v);
         out[i].push(v);
      });
   };
   try {
      await treeProcess(tree, sel);
   } catch (e) {
      fail(`JSROOT cannot read ${names.join(', ')} of ${tree.fName}: ${String(e).slice(0, 200)}`);
      return null;
   }
   return out;
}

export function compareHistogram(file, h, want) {
   const w = `${file} ${want.name}`;
   compare(`${w} class`, h._typename, want.class);
   compare(`${w} name`, h.fName, want.name);
   compare(`${w} title`, h.fTitle, want.title);
   compare(`${w} nbins`, h.fXaxis.fNbins, want.nbins);
   compare(`${w} xmin`, h.fXaxis.fXmin, want.xmin);
   compare(`${w} xmax`, h.fXaxis.fXmax, want.xmax);
   compare(`${w} entries`, h.fEntries, want.entries);
   compare(`${w} x title`, h.fXaxis.fTitle, want.xTitle);
   compare(`${w} y title`, h.fYaxis.fTitle, want.yTitle);
   compareNumbers(`${w} contents`, h.fArray, want.contents);
   compareNumbers(`${w} sumw2`, h.fSumw2, want.sumw2);
}

export function compareGraph(file, g, want) {
   const w = `${file} ${want.name}`;
   compare(`${w} class`, g._typename, 'TGraph');
   compare(`${w} title`, g.fTitle, want.title);
   compare(`${w} points`, g.fNpoints, want.x.length);
   compareNumbers(`${w} x`, want.x.length ? g.fX : [], want.x);
   compareNumbers(`${w} y`, want.y.length ? g.fY : [], want.y);
   compare(`${w} x title`, g.fHistogram?.fXaxis?.fTitle ?? '', want.xTitle);
   compare(`${w} y title`, g.fHistogram?.fYaxis?.fTitle ?? '', want.yTitle);
}

export function compareTrack(what, t, want) {
   compare(`${what} class`, t._typename, 'VxLumoTrack');
   for (const f of ['mass', 'E', 'px', 'py', 'pz', 'chi2', 'q', 'pvx', 'pvy', 'pvz', 'ipchi2', 'ip',
                    'zFirstMeasurement'])
      compare(`${what} ${f}`, t[f], want[f]);
   if (want.particleId === null)
      compare(`${what} particleId`, t.particleId, null);
   else
      compare(`${what} particleId`, t.particleId?.fString, want.particleId);
   if (want.points === null)
      compare(`${what} track`, t.track, null);
   else {
      compare(`${what} track class`, t.track?._typename, 'TPointsArray3D');
      compareNumbers(`${what} points`, t.track?.fP, want.points);
   }
}

export function finish(label) {
   const n = failureCount();
   if (n) {
      console.error(`${label}: ${n} mismatches`);
      process.exit(1);
   }
   console.log(`${label}: all values agree`);
}
