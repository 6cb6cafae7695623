// Reads with JSROOT the files the class-results code writes and compares with what was written.
// usage: node check_class_files.mjs DIR   (DIR holds NAME.root and NAME.json pairs)
import { openFile, compare, compareNumbers, compareHistogram, compareGraph, readBranches,
         finish, writtenFiles } from './common.mjs';

const dir = process.argv[2];
for (const { name, want } of writtenFiles(dir)) {
   const f = await openFile(`${dir}/${name}`);
   for (const h of want.histograms ?? [])
      compareHistogram(name, await f.readObject(h.name), h);
   for (const g of want.graphs ?? [])
      compareGraph(name, await f.readObject(g.name), g);
   for (const t of want.trees ?? []) {
      const tree = await f.readObject(t.name);
      compare(`${name} ${t.name} entries`, tree.fEntries, t.entries);
      const names = Object.keys(t.columns);
      const values = t.entries ? await readBranches(tree, names) ?? names.map(() => [])
                               : names.map(() => []);
      names.forEach((n, i) => compareNumbers(`${name} ${t.name}.${n}`, values[i], t.columns[n]));
   }
   console.log(`${name}: checked`);
}
finish('class-results files');
