// Reads with JSROOT the class exports of a lesson day and adds up the students' histograms
// itself (each combination once: the first saved), to compare with the total the teacher's
// window showed (total.json).   usage: node check_lesson_day.mjs DIR
import { openFile, compare, compareNumbers, readBranches, finish } from './common.mjs';
import { readdirSync, readFileSync } from 'fs';

const dir = process.argv[2];
const want = JSON.parse(readFileSync(`${dir}/total.json`, 'utf8'));
const exports = readdirSync(dir).filter(f => f.endsWith('.root')).sort();
compare('number of class exports', exports.length, 3);
const students = [];
for (const name of exports) {
   const f = await openFile(`${dir}/${name}`);
   compare(`${name} format`, (await f.readObject('VexelLumoraClassExport')).fString, '1');
   compare(`${name} school`, (await f.readObject('school')).fString, 'School');
   const tree = await f.readObject('Students');
   const [combination, saved, entries] =
      await readBranches(tree, ['combination', 'saved', 'entries']) ?? [[], [], []];
   for (let i = 0; i < combination.length; ++i) {
      const h = await f.readObject(`studentMass/student${i}`);
      compare(`${name} student ${i} entries`, h.fEntries, entries[i]);
      students.push({ combination: combination[i], saved: saved[i], h });
   }
}
const first = new Map();
for (const s of students) {
   const known = first.get(s.combination);
   if (!known || s.saved < known.saved) first.set(s.combination, s);
}
const contents = new Array(50).fill(0);
let total = 0;
for (const s of first.values()) {
   for (let b = 1; b <= 50; ++b) contents[b - 1] += s.h.fArray[b];
   total += s.h.fEntries;
}
compare('students in the exports', students.length, 9);
compare('combinations counted', first.size, 8);
compare('total entries', total, want.entries);
compareNumbers('total histogram', contents, want.contents);
console.log(`lesson day: ${exports.length} exports, ${students.length} students checked`);
finish('lesson day');
