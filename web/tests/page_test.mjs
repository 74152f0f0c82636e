// SPDX-License-Identifier: GPL-3.0-or-later
// The page in headless Chromium, driven as a student drives it: menus clicked, commands typed with
// real key presses, " --More--" answered with Space, the network picture opened, a test submitted
// and its score read. Screenshots go to build-web/screenshots/. Prints the figures it measures.
import { createServer } from 'node:http';
import { mkdirSync, readFileSync, statSync } from 'node:fs';
import { extname, join, normalize, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';
import puppeteer from 'puppeteer-core';

const root = resolve(fileURLToPath(new URL('.', import.meta.url)), '../..');
const pageFolder = join(root, 'build-web/page');
const shots = join(root, 'build-web/screenshots');
mkdirSync(shots, { recursive: true });

const types = {
  '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.data': 'application/octet-stream',
};
const server = createServer((request, response) => {
  const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
  const file = join(pageFolder, path === '/' ? 'index.html' : path);
  try {
    const body = readFileSync(file);
    response.writeHead(200, { 'Content-Type': types[extname(file)] || 'application/octet-stream' });
    response.end(body);
  } catch {
    response.writeHead(404).end();
  }
});
await new Promise((done) => server.listen(0, '127.0.0.1', done));
const origin = `http://127.0.0.1:${server.address().port}`;

const browser = await puppeteer.launch({
  executablePath: process.env.KOVREL_CHROMIUM || '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--window-size=1280,860'],
  defaultViewport: { width: 1280, height: 860 },
});
const failures = [];
const check = (ok, what) => {
  if (!ok) failures.push(what);
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`);
};

const page = await browser.newPage();
try {
  const foreign = [];
  const pageErrors = [];
  page.on('request', (request) => {
    if (!request.url().startsWith(origin) && !request.url().startsWith('blob:')) foreign.push(request.url());
  });
  page.on('pageerror', (error) => pageErrors.push(error.message));
  page.on('console', (message) => {
    if (message.type() === 'error') pageErrors.push(message.text());
  });

  // ---- Loading: the first lab's console is ready to type at.
  await page.goto(origin, { waitUntil: 'load' });
  await page.waitForFunction(() => window.kovrelFirstPrompt !== undefined, { timeout: 20000 });
  const firstPrompt = await page.evaluate(() => window.kovrelFirstPrompt);
  const screen = () => page.evaluate(() => {
    const buffer = terminal.buffer.active;
    const lines = [];
    for (let row = 0; row < buffer.length; row++) lines.push(buffer.getLine(row).translateToString(true));
    return lines.join('\n').replace(/\n+$/, '');
  });
  const waitForScreen = (pattern, timeout = 5000) => page.waitForFunction((source) => {
    const buffer = terminal.buffer.active;
    let text = '';
    for (let row = 0; row < buffer.length; row++) text += buffer.getLine(row).translateToString(true) + '\n';
    return new RegExp(source).test(text);
  }, { timeout }, pattern.source);
  const idle = () => page.waitForFunction(() => document.body.dataset.engine === 'idle', { timeout: 5000 });
  const menu = async (title, caption) => {
    await page.evaluate((t) => [...document.querySelectorAll('.menu > button')].find((b) => b.textContent === t).click(), title);
    const item = await page.waitForSelector(`::-p-xpath(//button[@role="menuitem" and text()="${caption}"])`, { visible: true });
    await item.click();
    await idle();
  };
  const typeLine = async (text) => {
    await page.keyboard.type(text);
    await page.keyboard.press('Enter');
  };
  await idle();
  check(/Press RETURN to get started/.test(await screen()), `the console is ready ${firstPrompt.toFixed(0)} ms after navigation`);
  await page.click('#terminal');
  await page.keyboard.press('Enter');
  await waitForScreen(/Router>\s*$/);
  check(true, 'Return gives the router prompt');

  // ---- A lab from the menu, typed with real key presses.
  await menu('Labs', 'Router Modes');
  const instructions = await page.$eval('#instructions', (pane) => pane.textContent);
  check(instructions.length > 100, 'the Router Modes lab shows its instructions');
  const ticks = () => page.$$eval('#checklist li', (items) => items.map((item) => item.className === 'done'));
  const before = await ticks();
  check(before.length > 3 && !before.slice(1).includes(true), `the lab's checklist shows ${before.length} steps, none past the first done`);
  await page.click('#terminal');
  await page.keyboard.press('Enter');
  const after = await ticks();
  check(after[0] && !after.slice(1).includes(true), 'the first step is done in user mode, the others wait');
  await typeLine('enable');
  await waitForScreen(/Router#\s*$/);
  check(true, 'enable typed key by key gives the privileged prompt');
  await page.keyboard.type('show vers');
  await page.keyboard.press('Tab');
  await waitForScreen(/Router#show version\s*$/);
  check(true, 'Tab completes "show vers" on the console');
  await page.keyboard.press('Enter');
  await waitForScreen(/(Router#| --More--)\s*$/);
  while (/ --More--\s*$/.test(await screen())) {
    await page.keyboard.press('Space');
    await idle();
  }
  check(/Router#\s*$/.test(await screen()), 'show version runs to its end, " --More--" answered with Space');
  await page.keyboard.type('?');
  await waitForScreen(/ --More--\s*$/);
  const rows = await page.evaluate(() => terminal.rows);
  check(true, `the help listing stops at " --More--" (a ${rows}-row terminal)`);
  await page.evaluate(() => [...document.querySelectorAll('.menu > button')].find((b) => b.textContent === 'Labs').click());
  await page.evaluate(() => [...document.querySelectorAll('[role="menuitem"]')].find((b) => b.textContent === 'MOTD Banner').click());
  check(/busy/.test(await page.$eval('#status', (s) => s.textContent)), 'a menu used during " --More--" is refused');
  await page.click('#terminal');
  await page.keyboard.press('Space');
  await waitForScreen(/Router#\s*$/, 5000);
  check(true, 'Space answers " --More--" and the display ends at the prompt');
  await page.screenshot({ path: join(shots, 'lab-console.png') });

  // ---- Pasted text across " --More--": every letter reaches the console.
  await page.evaluate(() => terminal.paste('show version\rshow clock\r'));
  await waitForScreen(/Router#show clock[\s\S]*Router#\s*$/, 10000);
  check(true, 'a paste that meets " --More--" keeps every command');

  // ---- Time per command: Enter to the next prompt.
  const times = [];
  for (let i = 0; i < 10; i++) {
    await page.keyboard.type('show history');
    const started = Date.now();
    await page.keyboard.press('Enter');
    await page.waitForFunction((count) => {
      const buffer = terminal.buffer.active;
      let prompts = 0;
      for (let row = 0; row < buffer.length; row++) {
        if (/^Router#show history/.test(buffer.getLine(row).translateToString(true))) prompts++;
      }
      return prompts > count && document.body.dataset.engine === 'idle';
    }, { timeout: 5000 }, i);
    times.push(Date.now() - started);
  }
  times.sort((a, b) => a - b);
  const perCommand = times[Math.floor(times.length / 2)];
  check(perCommand < 50, `a command's output within 50 ms (median ${perCommand} ms, worst ${times[times.length - 1]} ms)`);

  // ---- The network picture follows the configuration.
  await page.click('#show-network');
  await page.waitForFunction(() => document.getElementById('network-picture').naturalWidth > 0, { timeout: 5000 });
  check(true, 'Network opens the picture of the lab');
  const pictureBefore = await page.$eval('#network-picture', (img) => img.src);
  await page.click('#terminal');
  for (const line of ['configure terminal', 'interface ethernet 0', 'ip address 10.1.1.1 255.255.255.0', 'no shutdown', 'end']) {
    await typeLine(line);
  }
  await waitForScreen(/Router#\s*$/);
  await page.waitForFunction((before) => document.getElementById('network-picture').src !== before, { timeout: 5000 }, pictureBefore);
  check(true, 'the picture is redrawn after a configuration command');
  await page.screenshot({ path: join(shots, 'network.png') });

  // ---- A test: typed, submitted, scored.
  await menu('Tests', 'Test 1: Router Setup');
  await page.click('#terminal');
  await page.keyboard.press('Enter');
  await typeLine('enable');
  await typeLine('configure terminal');
  await typeLine('hostname lab1');
  await waitForScreen(/lab1\(config\)#\s*$/);
  await page.click('#reset');
  await waitForScreen(/Press RETURN to get started\.\s*$/);
  await page.click('#terminal');
  await page.keyboard.press('Enter');
  await waitForScreen(/Router>\s*$/);
  check(true, 'Reset boots the router of the test afresh, without the host name typed');
  await typeLine('enable');
  await typeLine('configure terminal');
  await typeLine('hostname lab1');
  await waitForScreen(/lab1\(config\)#\s*$/);
  check(!(await page.$eval('#submit', (b) => b.hidden)), 'a test offers "Show Answer / Submit"');
  await page.click('#submit');
  await page.waitForFunction(() => !document.getElementById('report').hidden
    && /Your Score/.test(document.getElementById('report').textContent), { timeout: 5000 });
  const report = await page.$eval('#report', (pane) => pane.textContent);
  const score = /Your Score: (\d+)/.exec(report);
  check(score !== null && /Total Score: 1000/.test(report), `the report shows a score out of 1000 (${score && score[1]})`);
  await page.screenshot({ path: join(shots, 'test-report.png') });

  // ---- Flash cards.
  await menu('Flash Cards', 'Load Flash Cards');
  const question = await page.$eval('#card-question', (box) => box.textContent);
  check(question.length > 0 && !(await page.$eval('#cards', (v) => v.hidden)), 'flash cards show a question');
  await page.click('#card-show-answer');
  await idle();
  check((await page.$eval('#card-answer', (box) => box.textContent)).length > 0, 'Show Answer shows the answer');
  check(!(await page.$eval('#card-not-yet', (b) => b.disabled)), 'a revealed card can be rated');
  check(await page.$eval('#reset', (b) => b.hidden) && await page.$eval('#submit', (b) => b.hidden),
    'Reset and Submit are not offered beside the cards');
  const topics = await page.$$eval('#card-topic option', (options) => options.length);
  check(topics > 3, `the topic filter offers ${topics - 1} topics`);
  await page.click('#card-not-yet');
  await idle();
  const next = await page.$eval('#card-question', (box) => box.textContent);
  check(next !== question && await page.$eval('#card-not-yet', (b) => b.disabled),
    '"Not yet" moves on to the next card, answer hidden');
  await page.screenshot({ path: join(shots, 'flash-cards.png') });

  // ---- Two routers: the buttons bring RouterB to the console.
  await menu('Troubleshooting', 'Troubleshooting 6: Routes Without Traffic');
  check(!(await page.$eval('#routers', (r) => r.hidden)), 'the two-router scenario shows the router buttons');
  const solutionShown = () => page.$eval('#instructions', (pane) => pane.textContent.length);
  const taskOnly = await solutionShown();
  check(!(await page.$eval('#hint', (b) => b.disabled)), 'Learn Mode offers a hint in troubleshooting');
  await page.click('#hint');
  await idle();
  const oneHint = await solutionShown();
  await page.click('#solution');
  await idle();
  const whole = await solutionShown();
  check(taskOnly < oneHint && oneHint < whole && await page.$eval('#hint', (b) => b.disabled),
    `a hint reveals part of the solution, Show Solution the rest (${taskOnly} < ${oneHint} < ${whole} characters)`);
  await page.click('#routers button[data-router="B"]');
  await idle();
  await page.keyboard.press('Enter');
  await waitForScreen(/RouterB>\s*$/, 5000);
  check(true, 'RouterB comes to the console');
  await page.screenshot({ path: join(shots, 'two-routers.png') });

  // ---- Dark scheme: the page follows the system's choice.
  await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: 'dark' }]);
  await menu('Help', 'Welcome');
  await page.screenshot({ path: join(shots, 'dark-welcome.png') });
  const background = await page.$eval('body', (body) => getComputedStyle(body).backgroundColor);
  check(background !== 'rgb(244, 245, 247)', `the dark scheme darkens the page (${background})`);

  // ---- Progress outlives a reload: the card marked "Not yet" is due, so it comes first.
  await page.waitForFunction(() => (window.kovrelProgressSaved || 0) > 0, { timeout: 5000 });
  await new Promise((done) => setTimeout(done, 800)); // the last write-back after the last key
  await page.reload({ waitUntil: 'load' });
  await page.waitForFunction(() => window.kovrelFirstPrompt !== undefined, { timeout: 20000 });
  await idle();
  const kept = await page.evaluate(() => FS.stat('/progress/progress.db').size);
  check(kept > 0, `the progress file is read back from the browser's storage (${kept} bytes)`);
  await menu('Flash Cards', 'Load Flash Cards');
  const first = await page.$eval('#card-question', (box) => box.textContent);
  check(first === question, 'after a reload the card marked "Not yet" comes first');

  check(foreign.length === 0, `no request leaves the page's origin ${foreign.join(' ')}`);
  check(pageErrors.length === 0, `no script errors ${pageErrors.join(' | ')}`);

  // ---- Figures.
  const size = (name) => {
    const body = readFileSync(join(pageFolder, name));
    return `${name} ${(body.length / 1024).toFixed(0)} KiB (gzip ${(gzipSync(body, { level: 9 }).length / 1024).toFixed(0)} KiB)`;
  };
  console.log(`figures: first prompt ${firstPrompt.toFixed(0)} ms; command median ${perCommand} ms; `
    + ['kovrel.wasm', 'kovrel.js', 'kovrel.data', 'xterm.js'].map(size).join('; '));
  check(statSync(join(pageFolder, 'kovrel.wasm')).size > 0, 'the page has its wasm');
} catch (error) {
  failures.push(String(error));
  console.log(`FAIL ${error.stack || error}`);
  await page.screenshot({ path: join(shots, 'failure.png') }).catch(() => {});
} finally {
  await browser.close();
  server.close();
}
console.log(failures.length === 0 ? 'web page: all checks passed' : `web page: ${failures.length} failed`);
process.exit(failures.length === 0 ? 0 : 1);
