// Times JSROOT reading whole branches of a tree: node bench_jsroot.mjs FILE TREE BRANCH...
// Prints "<milliseconds> <entries> <checksum>".
import { openFile, treeProcess, TSelector } from 'jsroot';

const [file, treeName, ...branches] = process.argv.slice(2);
const start = performance.now();
const f = await openFile(file);
const tree = await f.readObject(treeName);
const sel = new TSelector();
branches.forEach((b, i) => sel.addBranch(b, 'b' + i));
const columns = branches.map(() => new Float64Array(tree.fEntries));
let n = 0;
sel.Process = function() {
   for (let i = 0; i < branches.length; ++i)
      columns[i][n] = this.tgtobj['b' + i];
   ++n;
};
await treeProcess(tree, sel);
const ms = performance.now() - start;
let sum = 0;
for (const c of columns) for (const v of c) sum += v;
console.log(`${ms.toFixed(1)} ${n} ${sum}`);
