// Reads back with JSROOT every kind of file rootio writes and compares with what was written.
// usage: node check_written.mjs DIR   (DIR holds NAME.root and NAME.json pairs)
import { openFile, compare, compareNumbers, compareHistogram, compareGraph, compareTrack,
         readBranches, fail, finish, writtenFiles } from './common.mjs';

const dir = process.argv[2];
for (const { name, want } of writtenFiles(dir)) {
   const f = await openFile(`${dir}/${name}`);
   const infos = f.fStreamerInfos.arr.filter(s => s.fName).map(s => s.fName);
   for (const h of want.histograms ?? []) {
      compareHistogram(name, await f.readObject(h.path ?? h.name), h);
      if (!infos.includes(h.class)) fail(`${name}: no streamer info for ${h.class}`);
   }
   for (const g of want.graphs ?? [])
      compareGraph(name, await f.readObject(g.name), g);
   for (const t of want.trees ?? []) {
      const tree = await f.readObject(t.name);
      compare(`${name} ${t.name} entries`, tree.fEntries, t.entries);
      if (t.columns) {
         const names = Object.keys(t.columns);
         const values = await readBranches(tree, names) ?? names.map(() => []);
         names.forEach((n, i) => compareNumbers(`${name} ${t.name}.${n}`, values[i], t.columns[n]));
         if (tree.fBranches.arr[0].fWriteBasket < 2)
            fail(`${name}: expected several baskets per branch`);
      }
      if (t.events) {
         for (const cls of ['VxLumoTrack', 'TObjString', 'TPointsArray3D', 'TTree', 'TBranchObject'])
            if (!infos.includes(cls)) fail(`${name}: no streamer info for ${cls}`);
         const [events] = await readBranches(tree, ['event']) ?? [[]];
         compare(`${name} events`, events.length, t.events.length);
         t.events.forEach((ev, e) => {
            const arr = events[e]?.arr ?? [];
            compare(`${name} event ${e} size`, arr.length, ev.length);
            ev.forEach((track, k) => compareTrack(`${name} event ${e} track ${k}`, arr[k] ?? {}, track));
         });
      }
   }
   console.log(`${name}: checked`);
}
finish('written files');
