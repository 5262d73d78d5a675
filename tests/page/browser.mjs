// Debian's chromium, headless, driven by playwright-core (no browser of its own is downloaded),
// and a page opened in it with every problem a user could meet recorded: a dialog, a script
// error, a console error (a refused load says so) and any request but the page itself.
import { chromium } from 'playwright-core';

export async function startBrowser() {
  return chromium.launch({
    executablePath: process.env.QM_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox'],
  });
}

// waitUntil: 'load' (the whole page read), or 'commit' for a page still arriving.
export async function openPage(browser, url, waitUntil = 'load') {
  const context = await browser.newContext({ acceptDownloads: true, viewport: { width: 1280, height: 800 } });
  const page = await context.newPage();
  const found = [];
  page.on('dialog', (dialog) => { found.push('dialog: ' + dialog.message()); dialog.dismiss(); });
  page.on('pageerror', (error) => found.push('page error: ' + error.message));
  page.on('console', (message) => { if (message.type() === 'error') found.push('console: ' + message.text()); });
  page.on('request', (request) => {
    const target = request.url();
    if (target !== url && !target.startsWith('blob:')) found.push('request: ' + target);
  });
  await page.goto(url, { waitUntil });
  return { page, problems: () => found.slice() };
}
