// The browsable page's figures in headless chromium, for tools/bench-page: from navigation to
// the first folder shown and to every entry in, one search over every name (the first and the
// best of the next three), and the tab's memory. Usage: node page-bench.mjs PAGE.html SEARCH-TEXT
import fs from 'node:fs';
import { pathToFileURL } from 'node:url';

import { openPage, startBrowser } from './browser.mjs';

// The resident memory of chromium's renderer processes (the tab), in bytes.
function rendererBytes() {
  let total = 0;
  for (const pid of fs.readdirSync('/proc').filter((name) => /^\d+$/.test(name))) {
    try {
      if (!fs.readFileSync(`/proc/${pid}/cmdline`, 'utf8').includes('--type=renderer')) continue;
      const rss = /VmRSS:\s+(\d+) kB/.exec(fs.readFileSync(`/proc/${pid}/status`, 'utf8'));
      if (rss) total += Number(rss[1]) * 1024;
    } catch { /* ended meanwhile */ }
  }
  return total;
}

const [file, searchText] = process.argv.slice(2);
const browser = await startBrowser();
const { page, problems } = await openPage(browser, pathToFileURL(file).href);
await page.waitForSelector('.qm-rows [data-path]', { timeout: 120000 });
// The page marks the moment it has shown the listed folder, on the navigation's own clock.
const shownMs = await page.evaluate(() => performance.getEntriesByName('qm-first-folder-shown')[0].startTime);
await page.waitForSelector('#qm-page:not([aria-busy])', { timeout: 120000 });
const loadedMs = await page.evaluate(() => performance.getEntriesByName('qm-all-loaded')[0].startTime);
// The search as the box runs it (match every name, count, show the first rows), timed inside.
const timeSearch = () => page.evaluate((text) => {
  const box = document.querySelector('input[type=search]');
  box.value = text;
  const begin = performance.now();
  runSearch();
  return [performance.now() - begin, document.querySelector('.qm-status').textContent];
}, searchText);
const [firstMs, hits] = await timeSearch();
let bestMs = Infinity;
for (let n = 0; n < 3; n++) bestMs = Math.min(bestMs, (await timeSearch())[0]);
// Every entry at once, scrolled to its end: the scaled scroll height still reaches the last row.
const lastShown = await page.evaluate(() => {
  document.querySelector('input[type=search]').value = '*';
  runSearch();
  const viewport = document.querySelector('.qm-viewport');
  viewport.scrollTop = viewport.scrollHeight;
  renderRows();
  const rows = document.querySelectorAll('.qm-rows [data-path]');
  return [document.querySelector('.qm-status').textContent, viewport.scrollHeight, rows[rows.length - 1].dataset.path];
});
const client = await page.context().newCDPSession(page);
await client.send('Performance.enable');
const heap = (await client.send('Performance.getMetrics')).metrics.find((m) => m.name === 'JSHeapUsedSize');
const mib = (bytes) => (bytes / 1048576).toFixed(1) + ' MiB';
console.log(`  navigation to first folder shown        ${(shownMs / 1000).toFixed(2)} s`);
console.log(`  navigation to every entry in            ${(loadedMs / 1000).toFixed(2)} s`);
console.log(`  search "${searchText}" (${hits})  first ${firstMs.toFixed(0)} ms, then ${bestMs.toFixed(0)} ms`);
console.log(`  every entry (${lastShown[0]}), scroll height ${lastShown[1]} px, last row at the end: ${lastShown[2]}`);
console.log(`  tab memory: renderer resident ${mib(rendererBytes())}, JS heap used ${mib(heap ? heap.value : 0)}`);
const found = problems();
if (found.length) console.log('  problems: ' + found.slice(0, 3).join('; '));
await browser.close();
