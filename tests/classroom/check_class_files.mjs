// Reads with JSROOT the files the class-results code writes and compares with what was written.
// usage: node check_class_files.mjs DIR   (DIR holds NAME.root and NAME.json pairs)
import { readdirSync, readFileSync } from 'fs';
import { openFile, compare, compareNumbers, compareHistogram, compareGraph, readBranches,
         finish } from './common.mjs';

const dir = process.argv[2];
const files = readdirSync(dir).filter(f => f.endsWith('.json')).sort();
if (!files.length) {
   console.error('no files to check in ' + dir);
   process.exit(1);
}
for (const json of files) {
   const name = json.replace(/\.json$/, '.root');
   const want = JSON.parse(readFileSync(`${dir}/${json}`, 'utf8'));
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
