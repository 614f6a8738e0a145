// Checks `tavrune-lexicon inspect --json` over the default lexicons against
// the same facts worked out by brute force from the plain word lists the
// lexicons were compiled from.
//   node inspect_brute_force.mjs TAVRUNE_LEXICON LEXICONS_DIR WORDLISTS_DIR
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';

const [tool, lexicons, lists] = process.argv.slice(2);
if (!tool || !lexicons || !lists) {
  console.error('usage: node inspect_brute_force.mjs TAVRUNE_LEXICON LEXICONS_DIR WORDLISTS_DIR');
  process.exit(2);
}

const WORDS = [
  'QI', 'ZA', 'AT', 'CAT', 'CWM', 'EUOI', 'JINXED', 'SATIRE', 'RETAINS', 'AEINRST',
  'ZYZZYVA', 'QUIXOTIC', 'WOLVES', 'TAXIING', 'COLOUR', 'COLOR', 'AERATIONS',
  'DEUTERANOMALIES', 'OXYPHENBUTAZONE', 'ABCDEFGHIJKLMNOP',
];

const readList = (name) =>
  new Set(fs.readFileSync(path.join(lists, name), 'utf8').split('\n').filter((w) => w));
const ukna = readList('UKNA.txt');
const uk = readList('UK.txt');
const na = readList('NA.txt');

const sorted = (word) => [...word].sort().join('');
const LETTERS = 'ABCDEFGHIJKLMNOPQRSTUVWXYZ';
const VALUES = [1, 3, 3, 2, 1, 4, 2, 4, 1, 8, 5, 1, 3, 1, 1, 3, 10, 1, 1, 1, 1, 4, 4, 8, 4, 10];
const BAG = [9, 2, 2, 4, 12, 2, 3, 2, 9, 1, 1, 4, 2, 6, 8, 2, 1, 6, 4, 6, 4, 2, 2, 1, 2, 1];

function binomial(n, k) {
  if (k > n) return 0;
  let c = 1;
  for (let i = 1; i <= k; ++i) c = (c * (n - k + i)) / i;
  return c;
}

// Draw counts in single precision as the program keeps them: exact up to
// 10 letters, then letter by letter from A.
function drawCount(word) {
  const counts = LETTERS.split('').map((l) => [...word].filter((c) => c === l).length);
  if (word.length <= 10) {
    return Math.fround(counts.reduce((p, k, i) => p * binomial(BAG[i], k), 1));
  }
  return counts.reduce((p, k, i) => Math.fround(p * binomial(BAG[i], k)), Math.fround(1));
}

// Every alphagram of a length with the words made of it; the most probable
// draw count of each length is what the factor is measured against.
const byAlphagram = new Map();
for (const word of ukna) {
  const key = sorted(word);
  if (!byAlphagram.has(key)) byAlphagram.set(key, []);
  byAlphagram.get(key).push(word);
}
const referenceOf = new Map();
const alphagramsOf = new Map();
for (const key of byAlphagram.keys()) {
  const n = key.length;
  referenceOf.set(n, Math.max(referenceOf.get(n) ?? 0, drawCount(key)));
  if (!alphagramsOf.has(n)) alphagramsOf.set(n, []);
  alphagramsOf.get(n).push(key);
}
const factor = (word) => (100 * drawCount(word)) / referenceOf.get(word.length);
const rankings = new Map();
function rankOf(alphagram) {
  const n = alphagram.length;
  if (!rankings.has(n)) {
    const keyed = alphagramsOf.get(n).map((a) => [Math.trunc(factor(a) * 1e6), a]);
    keyed.sort((x, y) => y[0] - x[0] || (x[1] < y[1] ? -1 : 1));
    rankings.set(n, new Map(keyed.map(([, a], i) => [a, i + 1])));
  }
  return rankings.get(n).get(alphagram);
}

function expected(word) {
  const hooks = (make) => LETTERS.split('').filter((l) => ukna.has(make(l))).join('');
  const alphagram = sorted(word);
  const anagrams = (byAlphagram.get(alphagram) ?? []).slice().sort();
  const plusOne = {};
  for (const l of LETTERS) {
    const words = byAlphagram.get(sorted(word + l));
    if (words) plusOne[l] = words.slice().sort();
  }
  const source = uk.has(word) && na.has(word) ? 'both' :
      uk.has(word) ? 'uk_only' : na.has(word) ? 'na_only' : 'neither';
  const facts = {
    word,
    in_lexicon: ukna.has(word),
    in_uk: uk.has(word),
    in_na: na.has(word),
    in_ukna: ukna.has(word),
    source,
    source_mark: {both: '*', uk_only: '#', na_only: '$', neither: ''}[source],
    front_hooks: hooks((l) => l + word),
    end_hooks: hooks((l) => word + l),
    front_inner_hook: ukna.has(word.slice(1)),
    end_inner_hook: ukna.has(word.slice(0, -1)),
    alphagram,
    anagram_count: anagrams.length,
    anagrams,
    plus_one: plusOne,
    points: [...word].reduce((p, c) => p + VALUES[LETTERS.indexOf(c)], 0),
  };
  if (word.length <= 15) {
    facts.probability_factor = factor(word);
    const rank = rankOf(alphagram);
    if (rank !== undefined) {
      facts.probability_rank = rank;
      facts.alphagrams_of_length = alphagramsOf.get(word.length).length;
    }
  }
  return facts;
}

const output = execFileSync(tool, ['inspect', '--json', path.join(lexicons, 'UKNA.TVD'), ...WORDS],
    {encoding: 'utf8'});
const got = output.trim().split('\n').map((line) => JSON.parse(line));
let failures = 0;
const fail = (message) => {
  console.error(message);
  ++failures;
};
if (got.length !== WORDS.length) fail(`${got.length} answers for ${WORDS.length} words`);
for (const [i, facts] of got.entries()) {
  const want = expected(WORDS[i]);
  const keys = new Set([...Object.keys(want), ...Object.keys(facts)]);
  for (const key of keys) {
    const same = key === 'probability_factor' ?
        Math.abs(facts[key] - want[key]) < 0.0015 :
        JSON.stringify(facts[key]) === JSON.stringify(want[key]);
    if (!same) {
      fail(`${WORDS[i]} ${key}: tavrune-lexicon ${JSON.stringify(facts[key])}, ` +
           `brute force ${JSON.stringify(want[key])}`);
    }
  }
}
if (failures > 0) process.exit(1);
console.log(`the facts of ${WORDS.length} words agree`);
