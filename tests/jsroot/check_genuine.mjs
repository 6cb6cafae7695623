// Compares rootio's reading of genuine ROOT files (JSON from `jsroot_fixture dump`) with
// JSROOT's. usage: node check_genuine.mjs FIXTURE FILE...
import { execFileSync } from 'child_process';
import { basename } from 'path';
import { openFile, compare, compareNumbers, compareHistogram, readBranches, fail,
         finish } from './common.mjs';

const [fixture, ...paths] = process.argv.slice(2);
if (!paths.length) {
   console.error('no files given');
   process.exit(1);
}
for (const path of paths) {
   const name = basename(path);
   const ours = JSON.parse(execFileSync(fixture, ['dump', path], { maxBuffer: 1 << 30 }).toString());
   const f = await openFile(path);
   const theirs = f.fKeys.filter(k => k.fClassName !== 'TList' || k.fName !== 'StreamerInfo');
   compare(`${name} key count`, ours.keys.length, theirs.length);
   ours.keys.forEach((k, i) => {
      compare(`${name} key ${i} name`, k.name, theirs[i]?.fName);
      compare(`${name} key ${k.name} class`, k.class, theirs[i]?.fClassName);
      compare(`${name} key ${k.name} cycle`, k.cycle, theirs[i]?.fCycle);
      compare(`${name} key ${k.name} title`, k.title, theirs[i]?.fTitle);
   });
   for (const h of ours.histograms)
      compareHistogram(name, await f.readObject(h.name), h);
   for (const t of ours.trees) {
      const tree = await f.readObject(t.name);
      compare(`${name} ${t.name} entries`, t.entries, tree.fEntries);
      const readable = t.branches.filter(b => b.rows || b.strings);
      if (!readable.length) continue;
      let checked = 0;
      for (const b of readable) {
         const read = await readBranches(tree, [b.name]);
         if (!read) continue;
         const [values] = read;
         const what = `${name} ${t.name}.${b.name}`;
         if (b.strings) {
            compare(`${what} entries`, values.length, b.strings.length);
            b.strings.forEach((s, i) => compare(`${what}[${i}]`, values[i], s));
         } else {
            compare(`${what} entries`, values.length, b.rows.length);
            b.rows.forEach((row, i) => {
               const v = values[i];
               compareNumbers(`${what}[${i}]`, Array.isArray(v) || typeof v === 'string' ? v : [v], row);
            });
         }
         checked++;
      }
      console.log(`${name} ${t.name}: ${checked} branches compared`);
   }
}
finish('genuine files');
