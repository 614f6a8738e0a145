// Turns a lexicon recipe into a plain word list (one upper-case word a line)
// for `tavrune-lexicon compile`.
//   node make-wordlist.mjs RECIPE.json PACKAGES_DIR OUT.txt
// A recipe names its source lists (text files, one word a line, or JSON
// arrays; '*' in a file name takes every matching file) and set operations:
//   words      the starting lists
//   remove     words to take out ...
//   unless_in  ... except those also in these lists
//   only_in    keep only words also in these lists
//   fold_diacritics, min_length, max_length
import fs from 'node:fs';
import path from 'node:path';

const [recipePath, packages, outPath] = process.argv.slice(2);
if (!recipePath || !packages || !outPath) {
  console.error('usage: node make-wordlist.mjs RECIPE.json PACKAGES_DIR OUT.txt');
  process.exit(2);
}
const recipe = JSON.parse(fs.readFileSync(recipePath, 'utf8'));

function expand(pattern) {
  const full = path.join(packages, pattern);
  const dir = path.dirname(full);
  const base = path.basename(full);
  if (!base.includes('*')) return [full];
  const [head, tail] = base.split('*');
  const files = fs.readdirSync(dir)
      .filter((f) => f.startsWith(head) && f.endsWith(tail))
      .sort()
      .map((f) => path.join(dir, f));
  if (files.length === 0) throw new Error(`no file matches ${pattern}`);
  return files;
}

function fold(word) {
  return word.replace(/Œ/g, 'OE').replace(/œ/g, 'oe').replace(/Æ/g, 'AE')
      .replace(/æ/g, 'ae').replace(/ß/g, 'ss')
      .normalize('NFD').replace(/\p{M}/gu, '');
}

function normalise(word) {
  let w = word.trim();
  if (recipe.fold_diacritics) w = fold(w);
  return w.toUpperCase();
}

function readWords(patterns) {
  const words = [];
  for (const pattern of patterns ?? []) {
    for (const file of expand(pattern)) {
      const text = fs.readFileSync(file, 'utf8');
      const list = file.endsWith('.json') ? JSON.parse(text) : text.split(/\r?\n/);
      for (const w of list) words.push(normalise(w));
    }
  }
  return words;
}

const minLength = recipe.min_length ?? 1;
const maxLength = recipe.max_length ?? 15;
let words = readWords(recipe.words);
if (recipe.remove) {
  const keep = new Set(readWords(recipe.unless_in));
  const drop = new Set(readWords(recipe.remove).filter((w) => !keep.has(w)));
  words = words.filter((w) => !drop.has(w));
}
if (recipe.only_in) {
  const allowed = new Set(readWords(recipe.only_in));
  words = words.filter((w) => allowed.has(w));
}
words = words.filter((w) => /^[A-Z]+$/.test(w) && w.length >= minLength && w.length <= maxLength);
words = [...new Set(words)].sort();
fs.mkdirSync(path.dirname(outPath), {recursive: true});
fs.writeFileSync(outPath, words.join('\n') + '\n');
console.log(`${path.basename(outPath)}: ${words.length} words`);
