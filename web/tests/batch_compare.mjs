// SPDX-License-Identifier: GPL-3.0-or-later
// The web edition's kovrel-term, run by node, must answer every transcript in tests/transcripts
// byte for byte as the native kovrel-term does: standard output, standard error and exit status.
// Both run with the transcript's arguments, locale and key bytes, two transcripts at a time.
import { spawn } from 'node:child_process';
import { mkdtempSync, openSync, readdirSync, readFileSync, rmSync, writeFileSync, closeSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const root = resolve(fileURLToPath(new URL('.', import.meta.url)), '../..');
const native = resolve(root, process.env.KOVREL_NATIVE_BUILD || 'build-release');
const nativeTerm = join(native, 'bin/kovrel-term');
const webTerm = join(root, 'build-web/kovrel-term.js');
const databases = {
  transcripts: join(root, 'build-web/TranscriptStore.db'),
  lessons: join(native, 'bin/DataStore.db'),
};

// The escapes of an INPUT line, as the transcript test reads them: \r \n \t \b \e \\ and \xHH.
function decodeInput(text) {
  const named = { r: '\r', n: '\n', t: '\t', b: '\b', e: '\x1b', '\\': '\\' };
  return text.replace(/\\(x[0-9a-fA-F]{2}|.)/g, (_, escape) =>
    escape.length === 3 ? String.fromCharCode(parseInt(escape.slice(1), 16)) : named[escape]);
}

function readTranscript(file) {
  const run = { args: [], input: '', locale: 'C', database: 'transcripts' };
  for (const line of readFileSync(file, 'latin1').split('\n')) {
    if (line === '# EXPECT:') break;
    const value = (prefix) => (line.startsWith(prefix) ? line.slice(prefix.length) : null);
    if (value('# INPUT: ') !== null) run.input += decodeInput(value('# INPUT: '));
    else if (value('# ARGS: ') !== null) run.args.push(...value('# ARGS: ').split(/\s+/).filter(Boolean));
    else if (value('# DATABASE: ') !== null) run.database = value('# DATABASE: ');
    else if (value('# LOCALE: ') !== null) run.locale = value('# LOCALE: ');
  }
  return run;
}

// Runs one program on the key bytes from a file, so that the whole input is there from the start.
function runOnce(command, args, inputFile, locale) {
  return new Promise((done, fail) => {
    const input = openSync(inputFile, 'r');
    const child = spawn(command, args, {
      stdio: [input, 'pipe', 'pipe'],
      env: { ...process.env, LC_ALL: locale },
    });
    const out = [];
    const err = [];
    child.stdout.on('data', (chunk) => out.push(chunk));
    child.stderr.on('data', (chunk) => err.push(chunk));
    child.on('error', fail);
    child.on('close', (status) => {
      closeSync(input);
      done({ status, stdout: Buffer.concat(out), stderr: Buffer.concat(err) });
    });
  });
}

function firstDifference(a, b) {
  let at = 0;
  while (at < a.length && at < b.length && a[at] === b[at]) at++;
  const show = (buffer) => JSON.stringify(buffer.subarray(Math.max(0, at - 60), at + 60).toString('latin1'));
  return `at byte ${at}:\n    native ${show(a)}\n    web    ${show(b)}`;
}

async function compare(file, scratch) {
  const run = readTranscript(file);
  const inputFile = join(scratch, `${file.split('/').pop()}.in`);
  writeFileSync(inputFile, Buffer.from(run.input, 'latin1'));
  const args = ['--batch', '--db', databases[run.database], '--seed', '1', ...run.args];
  const nativeRun = await runOnce(nativeTerm, args, inputFile, run.locale);
  const webRun = await runOnce(process.execPath, ['--no-experimental-fetch', webTerm, ...args], inputFile, run.locale);
  const faults = [];
  if (nativeRun.status !== webRun.status) faults.push(`exit status: native ${nativeRun.status}, web ${webRun.status}`);
  for (const stream of ['stdout', 'stderr']) {
    if (!nativeRun[stream].equals(webRun[stream])) {
      faults.push(`${stream} differs ${firstDifference(nativeRun[stream], webRun[stream])}`);
    }
  }
  return faults;
}

const folder = join(root, 'tests/transcripts');
const files = readdirSync(folder).filter((name) => name.endsWith('.txt') && name !== 'README.md').sort()
  .map((name) => join(folder, name));
const scratch = mkdtempSync(join(tmpdir(), 'kovrel-web-batch-'));
let failed = 0;
try {
  const queue = [...files];
  const worker = async () => {
    for (let file = queue.shift(); file; file = queue.shift()) {
      const faults = await compare(file, scratch);
      const name = file.split('/').pop();
      if (faults.length === 0) continue;
      failed++;
      console.log(`FAIL ${name}\n  ${faults.join('\n  ')}`);
    }
  };
  await Promise.all([worker(), worker()]);
} finally {
  rmSync(scratch, { recursive: true, force: true });
}
console.log(`web batch: ${files.length - failed} of ${files.length} transcripts give the native bytes`);
process.exit(failed === 0 && files.length > 0 ? 0 : 1);
