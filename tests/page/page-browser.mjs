// The browsable page as a user meets it: written by quillmark-cli.exe (under Wine) from a
// tree made on the Unix side, opened in Debian's chromium (headless, driven by playwright-core),
// in both encodings. Run inside tools/wine-env (CTest's page_browser does so).
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

import { openPage, startBrowser } from './browser.mjs';

const build = process.env.QM_BUILD_DIR;
const cli = path.join(build, 'quillmark-cli.exe');

const SCRIPT_NAME = '<script>alert(1)<!--x.txt';
const QUOTED_NAME = 'it\'s "quoted".txt';
const SIGNS_NAME = 'R&D 100% #1.txt';
const LINE_NAME = 'line\u2028break.txt';
const KANJI_FOLDER = '\u8868\u8a08\u7b97';  // 表計算
const KOREAN_NAME = '\ud55c\uad6d.txt';      // 한국.txt
const NEEDLE = 'needle-42.bin';
const SPARSE_BYTES = 4 * 1024 ** 3;

// The tree: nested folders, a 4 GiB sparse file, names that are markup, quotes and signs, and
// a name holding "\" (possible on a share of another system), which the listing cannot read.
function makeTree(root) {
  const file = (relative, bytes) => {
    fs.mkdirSync(path.dirname(path.join(root, relative)), { recursive: true });
    fs.writeFileSync(path.join(root, relative), 'x'.repeat(bytes));
  };
  file('readme.txt', 5);
  file(SCRIPT_NAME, 3);
  file(QUOTED_NAME, 2);
  file(SIGNS_NAME, 4);
  file(LINE_NAME, 1);
  file(path.join(KANJI_FOLDER, KOREAN_NAME), 6);
  file(path.join(KANJI_FOLDER, 'deep', NEEDLE), 7);
  fs.mkdirSync(path.join(root, 'big'));
  fs.writeFileSync(path.join(root, 'big', 'sparse.img'), '');
  fs.truncateSync(path.join(root, 'big', 'sparse.img'), SPARSE_BYTES);
  file(path.join('odd', 'a\\b.txt'), 3);
  return { bytes: SPARSE_BYTES + 5 + 3 + 2 + 4 + 1 + 6 + 7 + 3, files: 9 };
}

function windowsPath(unixPath) { return 'Z:' + unixPath.replace(/\//g, '\\'); }

// An empty settings file: every option the run needs is given.
function writePage(tree, output, utf8) {
  const settings = path.join(path.dirname(tree), 'settings.ini');
  fs.writeFileSync(settings, '');
  const run = spawnSync('wine', [cli, '--settings=' + windowsPath(settings),
    '--subfolders=1', '--dirs=1', '--size=1', '--date=1', '--attributes=1', '--page=1', '--utf8=' + (utf8 ? 1 : 0),
    '--quiet', windowsPath(tree), windowsPath(output)], { stdio: ['ignore', 'ignore', 'pipe'] });
  assert.equal(run.status, 6, 'exit code 6: complete, with an entry that could not be read');
}

// The shown row of an entry, by its path (a CSS string: "\\" and '"' escaped).
function rowOf(entryPath) {
  return `.qm-rows [data-path="${entryPath.replace(/[\\"]/g, '\\$&')}"]`;
}

async function shownPaths(page) {
  return page.$$eval('.qm-rows [data-path]', (rows) => rows.map((row) => row.dataset.path));
}

async function checkPage(browser, file, expected, utf8) {
  const { page, problems } = await openPage(browser, pathToFileURL(file).href);
  const label = utf8 ? 'UTF-8' : 'code page';
  await page.waitForSelector('#qm-page:not([aria-busy])');  // every entry in

  // The listed folder's entries, every name exact (markup, quotes, signs, kanji: text only).
  const top = [KANJI_FOLDER, 'big', 'odd', 'readme.txt', SCRIPT_NAME, QUOTED_NAME, SIGNS_NAME, LINE_NAME];
  assert.deepEqual((await shownPaths(page)).sort(), top.slice().sort(), label);
  const names = await page.$$eval('.qm-rows .qm-name', (links) => links.map((link) => link.textContent));
  assert.deepEqual(names.sort(), top.slice().sort(), label);

  // The totals of the whole tree, as plain integers.
  const totals = await page.$eval('[data-total-bytes]', (e) => [e.dataset.totalBytes, e.dataset.totalFiles]);
  assert.deepEqual(totals, [String(expected.bytes), String(expected.files)], label);

  // Sorting by size, both ways: folders first whichever way, the 4 GiB folder the biggest.
  await page.click('[data-sort="size"]');
  assert.deepEqual(await shownPaths(page), ['odd', KANJI_FOLDER, 'big', LINE_NAME, QUOTED_NAME, SCRIPT_NAME,
    SIGNS_NAME, 'readme.txt'], label);
  await page.click('[data-sort="size"]');
  assert.deepEqual(await shownPaths(page), ['big', KANJI_FOLDER, 'odd', 'readme.txt', SIGNS_NAME, SCRIPT_NAME,
    QUOTED_NAME, LINE_NAME], label);
  const sparseTitle = await page.$eval(rowOf('big') + ' .qm-size', (cell) => [cell.textContent, cell.title]);
  assert.deepEqual(sparseTitle, ['4.0 GB', '4,294,967,296'], label);

  // A folder opened from the tree, and one further by the keyboard.
  await page.click(`[data-folder="${KANJI_FOLDER}"] > .qm-label`);
  assert.deepEqual((await shownPaths(page)).sort(), [`${KANJI_FOLDER}\\deep`, `${KANJI_FOLDER}\\${KOREAN_NAME}`], label);
  const koreanLink = await page.$eval(rowOf(`${KANJI_FOLDER}\\${KOREAN_NAME}`) + ' a', (a) => a.href);
  assert.ok(koreanLink.endsWith('/%E8%A1%A8%E8%A8%88%E7%AE%97/%ED%95%9C%EA%B5%AD.txt'), koreanLink);
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('Enter');
  assert.deepEqual(await shownPaths(page), [`${KANJI_FOLDER}\\deep\\${NEEDLE}`], label);

  // One search over every entry finds the one two folders down, and "?" stands for a character.
  await page.fill('input[type=search]', 'NEEDLE*');
  await page.waitForSelector(rowOf(`${KANJI_FOLDER}\\deep\\${NEEDLE}`));
  await page.fill('input[type=search]', '?\uad6d.txt');
  await page.waitForSelector(rowOf(`${KANJI_FOLDER}\\${KOREAN_NAME}`));
  assert.equal((await shownPaths(page)).length, 1, label);

  // The view shown as CSV (RFC 4180): the quoted name in quotes, its quotes doubled.
  await page.fill('input[type=search]', '*quoted*');
  await page.waitForSelector('.qm-rows [data-path^="it"]');
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('.qm-export')]);
  const csv = fs.readFileSync(await download.path(), 'utf8');
  assert.match(csv, /\r\n"it's ""quoted""\.txt",2,/, label);

  // What could not be read is in the header, and the names the code page lacks are counted.
  const unread = await page.$eval('.qm-unread', (details) => details.textContent);
  assert.ok(unread.includes('odd\\a\\b.txt'), unread);
  assert.equal(await page.$$eval('.qm-inexact', (found) => found.length), utf8 ? 0 : 1, label);

  assert.deepEqual(problems(), [], label);
  await page.close();
}

// The page served up to a point inside its second data block, the rest held until asked for.
async function serveHeld(file) {
  const bytes = fs.readFileSync(file);
  const opener = Buffer.from('class="qm-data">');
  const second = bytes.indexOf(opener, bytes.indexOf(opener) + 1);
  assert.ok(second > 0, 'the listed folder in a data block of its own');
  const cut = second + opener.length + 10;
  let release;
  const held = new Promise((resolve) => { release = resolve; });
  const server = http.createServer(async (request, response) => {
    response.writeHead(request.url === '/page.html' ? 200 : 404, { 'Content-Type': 'text/html' });
    if (request.url !== '/page.html') return response.end();
    response.write(bytes.subarray(0, cut));
    await held;
    response.end(bytes.subarray(cut));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { url: `http://127.0.0.1:${server.address().port}/page.html`, release, close: () => server.close() };
}

// While the rest is still arriving the listed folder shows, its totals and folder sizes unknown
// rather than partial, export waits and a search counts what is in; once all is in, the search
// is run again and the totals are the whole tree's.
async function checkArriving(browser, file, expected) {
  const served = await serveHeld(file);
  try {
    const { page, problems } = await openPage(browser, served.url, 'commit');
    await page.waitForSelector(rowOf('readme.txt'));
    assert.equal(await page.$eval('#qm-page', (e) => e.getAttribute('aria-busy')), 'true');
    assert.equal(await page.$$eval('[data-total-bytes]', (found) => found.length), 0);
    assert.equal(await page.$eval(rowOf('big') + ' .qm-size', (cell) => cell.textContent), '');
    assert.ok(await page.$eval('.qm-export', (button) => button.disabled));
    await page.fill('input[type=search]', 'NEEDLE*');
    await page.waitForFunction(() => document.querySelector('.qm-status').textContent.startsWith('0+'));
    served.release();
    await page.waitForSelector('#qm-page:not([aria-busy])');
    await page.waitForSelector(rowOf(`${KANJI_FOLDER}\\deep\\${NEEDLE}`));
    assert.ok((await page.$eval('.qm-status', (e) => e.textContent)).startsWith('1'));
    await page.fill('input[type=search]', '');
    const totals = await page.waitForSelector('[data-total-bytes]');
    assert.equal(await totals.evaluate((e) => e.dataset.totalBytes), String(expected.bytes));
    assert.equal(await page.$eval(rowOf('big') + ' .qm-size', (cell) => cell.textContent), '4.0 GB');
    assert.deepEqual(problems(), []);
    await page.close();
  } finally {
    served.close();
  }
}

async function main() {
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'qm-page-'));
  const tree = path.join(work, 'tree');
  fs.mkdirSync(tree);
  const expected = makeTree(tree);
  const browser = await startBrowser();
  try {
    for (const utf8 of [false, true]) {
      const output = path.join(work, utf8 ? 'utf8.html' : 'codepage.html');
      writePage(tree, output, utf8);
      const bytes = fs.readFileSync(output);
      // No character is lost to "?" in the code page: the Korean name goes as an escape.
      if (!utf8) assert.ok(bytes.includes('\\ud55c\\uad6d.txt'), 'escaped Korean name');
      await checkPage(browser, output, expected, utf8);
      console.log(`page_browser: ${utf8 ? 'UTF-8' : 'code page'} page passed`);
    }
    await checkArriving(browser, path.join(work, 'utf8.html'), expected);
    console.log('page_browser: page shown while arriving passed');
  } finally {
    await browser.close();
    fs.rmSync(work, { recursive: true, force: true });
  }
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
