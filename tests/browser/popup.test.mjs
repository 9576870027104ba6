// The generated popup in a real browser: pages are written by vantelle-popupgen, served from
// 127.0.0.1 by a small server of this test (or opened from file://), and driven in Chromium.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const popupgen = process.env.VANTELLE_POPUPGEN;
const content = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..', '..', 'content');
const screenshot = process.env.VANTELLE_POPUP_SCREENSHOT; // optional: where to save a picture
let site;
let server;
let base;
let browser;

const types = { '.htm': 'text/html', '.js': 'text/javascript', '.png': 'image/png', '.gif': 'image/gif' };

before(async () => {
  assert.ok(popupgen, 'VANTELLE_POPUPGEN names the generator');
  site = fs.mkdtempSync(path.join(os.tmpdir(), 'vantelle-browser-'));
  server = http.createServer((request, response) => {
    const url = new URL(request.url, 'http://127.0.0.1');
    if (url.pathname === '/favicon.ico') {
      response.writeHead(204);
      response.end();
      return;
    }
    const file = path.join(site, decodeURIComponent(url.pathname));
    if (!file.startsWith(site) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404);
      response.end();
      return;
    }
    const headers = { 'Content-Type': types[path.extname(file)] || 'application/octet-stream' };
    if (url.pathname.startsWith('/csp-'))
      headers['Content-Security-Policy'] = "script-src 'self'";
    response.writeHead(200, headers);
    response.end(fs.readFileSync(file));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  base = `http://127.0.0.1:${server.address().port}`;
  // Playwright starts Chromium on a fresh temporary profile (--user-data-dir) of its own.
  browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    chromiumSandbox: process.getuid() !== 0,
    args: ['--disable-gpu', '--disable-background-networking', '--disable-component-update',
      '--disable-sync', '--no-first-run'],
  });
});

after(async () => {
  await browser?.close();
  server?.close();
  if (site) fs.rmSync(site, { recursive: true, force: true });
});

// A page with the popup added behind its body tag, and a link target beside it.
function makeSite(name, args, pageName = 'index.htm') {
  const dir = path.join(site, name);
  fs.mkdirSync(dir, { recursive: true });
  const page = path.join(dir, pageName);
  fs.writeFileSync(page, `<html><head><title>${name}</title></head>\n` +
    '<body style="margin:0;background:#e8e8e8">\n' +
    '<h1 style="margin:16px">A page of the site</h1>\n' +
    '<p style="margin:16px;height:2000px">Page text under the popup.</p>\n</body></html>\n');
  fs.writeFileSync(path.join(dir, 'target.htm'), '<html><body><p>landed</p></body></html>\n');
  execFileSync(popupgen, ['--page', page, ...args], { stdio: ['ignore', 'ignore', 'inherit'] });
  assert.match(fs.readFileSync(page, 'latin1'),
    /<body style="margin:0;background:#e8e8e8"><!-- POPUP --><script src=[^ >]+\/script\.js><\/script><!-- END -->\r\n/);
  return { http: `${base}/${name}/${encodeURIComponent(pageName)}`, file: pathToFileURL(page).href, dir };
}

// Opens url in a fresh browser session and records everything the page prints.
async function open(url, { viewport = { width: 800, height: 600 }, context } = {}) {
  const ctx = context || await browser.newContext({ viewport });
  const page = await ctx.newPage();
  const printed = [];
  page.on('console', (message) => printed.push(`${message.type()}: ${message.text()}`));
  page.on('pageerror', (error) => printed.push(`error: ${error.message}`));
  const response = await page.goto(url);
  return { ctx, page, printed, response };
}

const popup = (page) => page.locator('[role="dialog"][aria-label="Popup"]');

// Waits for the popup and its picture; returns the popup's box on screen.
async function shown(page) {
  await popup(page).waitFor({ state: 'attached' });
  await page.waitForFunction(() => {
    const img = document.querySelector('[aria-label="Popup"] img');
    return img && img.complete && img.naturalWidth > 0;
  });
  return popup(page).boundingBox();
}

async function gone(page, timeout = 2000) {
  await popup(page).waitFor({ state: 'detached', timeout });
}

function near(actual, expected, what, tolerance = 1) {
  assert.ok(Math.abs(actual - expected) <= tolerance, `${what}: ${actual}, expected ${expected}`);
}

function centre(box) {
  return [box.x + box.width / 2, box.y + box.height / 2];
}

const plain = ['--size', '300', '--fill', 'FFCC3344', '--close-fill', 'FF202020',
  '--close-size', '30,30', '--close-at', '260,10', '--url', 'target.htm', '--every-time'];

test('centred popup: picture, close control and its rectangle', async () => {
  // A shipped template and close button (24 x 24, drawn at 1.5 times: 36 x 36).
  const s = makeSite('centred', ['--size', '300', '--template', path.join(content, 'Templates', '1.png'),
    '--close-button', path.join(content, 'CloseButtons', '1.png'), '--close-scale', '1.5',
    '--close-at', '240,28', '--url', 'target.htm', '--every-time', '--text', 'Summer sale!',
    '--text-at', '30,34', '--font-size', '20', '--bold']);
  const { ctx, page, printed } = await open(s.http);
  const box = await shown(page);
  near(box.x, 250, 'left');
  near(box.y, 150, 'top');
  near(box.width, 300, 'width');
  near(box.height, 300, 'height');
  assert.equal(await page.evaluate(() => document.querySelector('[aria-label="Popup"] img').naturalWidth), 300);

  // 36 x 36 at (240, 28) grown by 36 div 12 = 3 on every side.
  const close = page.getByRole('button', { name: 'Close' });
  const closeBox = await close.boundingBox();
  // At scale 1 every edge is a whole pixel: one pixel off or wider is a fault.
  near(closeBox.x, 250 + 237, 'close left', 0);
  near(closeBox.y, 150 + 25, 'close top', 0);
  near(closeBox.width, 42, 'close width', 0);
  near(closeBox.height, 42, 'close height', 0);
  if (screenshot) await page.screenshot({ path: screenshot });

  // A resized window centres it again, also on this page without a doctype and with long text.
  await page.setViewportSize({ width: 700, height: 500 });
  await page.waitForFunction(() => document.querySelector('[aria-label="Popup"]').getBoundingClientRect().top === 100);
  const resized = await popup(page).boundingBox();
  near(resized.x, 200, 'left after resizing');
  near(resized.y, 100, 'top after resizing');
  await page.setViewportSize({ width: 800, height: 600 });
  await page.waitForFunction(() => document.querySelector('[aria-label="Popup"]').getBoundingClientRect().top === 150);

  await page.mouse.click(...centre(closeBox));
  await gone(page);
  assert.match(page.url(), /\/centred\/index\.htm$/);
  assert.deepEqual(printed, []);
  await ctx.close();
});

test('manual position places the popup on the page', async () => {
  const s = makeSite('manual', ['--size', '200', '--fill', 'FF3366CC', '--manual', '20,35', '--every-time']);
  const { ctx, page, printed } = await open(s.http);
  const box = await shown(page);
  near(box.x, 20, 'left', 0);
  near(box.y, 35, 'top', 0);
  near(box.width, 200, 'width');
  // It belongs to the page: scrolling moves it.
  await page.mouse.wheel(0, 100);
  await page.waitForFunction(() => window.scrollY === 100);
  near((await popup(page).boundingBox()).y, -65, 'top after scrolling');
  assert.deepEqual(printed, []);
  await ctx.close();
});

test('a click on the body follows the link in the same window', async () => {
  const s = makeSite('same', plain);
  const { ctx, page, printed } = await open(s.http);
  const box = await shown(page);
  await page.mouse.click(box.x + 100, box.y + 200);
  await page.waitForURL(/\/same\/target\.htm$/);
  assert.equal(ctx.pages().length, 1);
  assert.deepEqual(printed, []);
  await ctx.close();
});

test('a click on the body opens the link in a new window without an opener', async () => {
  const s = makeSite('blank', [...plain, '--new-window']);
  const { ctx, page, printed } = await open(s.http);
  const box = await shown(page);
  const [opened] = await Promise.all([ctx.waitForEvent('page'), page.mouse.click(box.x + 100, box.y + 200)]);
  await opened.waitForLoadState();
  assert.match(opened.url(), /\/blank\/target\.htm$/);
  assert.equal(await opened.evaluate(() => window.opener), null);
  assert.match(page.url(), /\/blank\/index\.htm$/);
  assert.deepEqual(printed, []);
  await ctx.close();
});

test('"Close Popup" closes on a body click and stays on the page', async () => {
  const s = makeSite('closeclick', [...plain, '--close-popup']);
  const { ctx, page, printed } = await open(s.http);
  const box = await shown(page);
  await page.mouse.click(box.x + 100, box.y + 200);
  await gone(page);
  assert.match(page.url(), /\/closeclick\/index\.htm$/);
  assert.deepEqual(printed, []);
  await ctx.close();
});

// Times the popup's life in the page itself: from the moment the script puts it into the page
// (when its timer starts) to its removal, whatever the picture's loading takes.
async function recordLifetime(page) {
  await page.addInitScript(() => {
    window.popupLife = {};
    new MutationObserver((changes) => {
      for (const change of changes) {
        for (const node of change.addedNodes)
          if (node.getAttribute && node.getAttribute('role') === 'dialog') window.popupLife.shown = performance.now();
        for (const node of change.removedNodes)
          if (node.getAttribute && node.getAttribute('role') === 'dialog') window.popupLife.gone = performance.now();
      }
    }).observe(document, { childList: true, subtree: true });
  });
}

test('auto close after one second', async () => {
  const s = makeSite('autoclose', [...plain, '--auto-close', '1']);
  const ctx = await browser.newContext({ viewport: { width: 800, height: 600 } });
  const page = await ctx.newPage();
  await recordLifetime(page);
  const printed = [];
  page.on('console', (message) => printed.push(`${message.type()}: ${message.text()}`));
  await page.goto(s.http);
  await shown(page);
  await gone(page, 5000);
  const life = await page.evaluate(() => window.popupLife.gone - window.popupLife.shown);
  assert.ok(life >= 995 && life < 3000, `shown for ${life} ms, expected 1000`);
  assert.deepEqual(printed, []);
  await ctx.close();
});

test('an auto close past the browser timer range waits as long as it says', async () => {
  // 2,147,484 s is 2,147,484,000 ms, just past the 2^31 - 1 ms that one timer can wait.
  const s = makeSite('longclose', [...plain, '--auto-close', '2147484']);
  const { ctx, page, printed } = await open(s.http);
  await shown(page);
  await page.waitForTimeout(1500);
  assert.equal(await popup(page).count(), 1, 'closed at once');
  assert.deepEqual(printed, []);
  await ctx.close();
});

test('once per session across reloads, every time when asked', async () => {
  const once = makeSite('once', plain.filter((a) => a !== '--every-time'));
  const { ctx, page, printed } = await open(once.http);
  await shown(page);
  const cookie = (await ctx.cookies()).find((c) => c.name.startsWith('Cookie_ID_'));
  assert.ok(cookie, 'session cookie set');
  assert.equal(cookie.expires, -1);
  assert.equal(cookie.path, '/');
  assert.equal(cookie.sameSite, 'Lax');
  await page.reload();
  await page.waitForLoadState('load');
  assert.equal(await popup(page).count(), 0);
  assert.deepEqual(printed, []);
  await ctx.close();

  // A new browser session shows it again.
  const again = await open(once.http);
  await shown(again.page);
  await again.ctx.close();

  const every = makeSite('every', plain);
  const e = await open(every.http);
  await shown(e.page);
  await e.page.reload();
  await shown(e.page);
  assert.deepEqual(e.printed, []);
  await e.ctx.close();
});

test('Escape closes the popup unless the visitor types in a field of the page', async () => {
  const s = makeSite('escape', plain);
  const { ctx, page, printed } = await open(s.http);
  await shown(page);
  await page.evaluate(() => {
    const field = document.createElement('input');
    field.type = 'search';
    field.id = 'search';
    document.body.insertBefore(field, document.body.firstChild);
    field.focus();
  });
  await page.keyboard.press('Escape');
  await page.waitForTimeout(200);
  assert.equal(await popup(page).count(), 1, 'Escape in a search box closed the popup');
  // Focus in the popup closes it even though the field was focused before.
  await page.getByRole('button', { name: 'Close' }).focus();
  await page.keyboard.press('Escape');
  await gone(page);

  // Focus on no editable element (the page itself) closes it as well.
  await page.reload();
  await shown(page);
  await page.keyboard.press('Escape');
  await gone(page);
  assert.deepEqual(printed, []);
  await ctx.close();
});

// A 500 px popup with its close button at the bottom right corner: in every window the whole
// picture, its click area and its close area are on screen, scaled by the one factor that fits.
for (const [width, height] of [[360, 640], [640, 360], [692, 465], [1000, 800]]) {
  test(`a ${width} x ${height} window shows the whole popup with its areas`, async () => {
    const s = makeSite(`fit-${width}x${height}`, ['--size', '500', '--fill', 'FF118833',
      '--close-fill', 'FFFFFFFF', '--close-size', '40,40', '--close-at', '440,440', '--url', 'target.htm',
      '--every-time']);
    const { ctx, page, printed } = await open(s.http, { viewport: { width, height } });
    const box = await shown(page);
    const scale = Math.min(1, width / 500, height / 500);
    const tolerance = scale === 1 ? 0 : 1;
    near(box.width, 500 * scale, 'width', tolerance);
    near(box.height, 500 * scale, 'height', tolerance);
    near(box.x, (width - 500 * scale) / 2, 'left', tolerance);
    near(box.y, (height - 500 * scale) / 2, 'top', tolerance);
    // 40 x 40 at (440, 440) grown by 3 on every side; the click area is the whole picture.
    const closeBox = await page.getByRole('button', { name: 'Close' }).boundingBox();
    near(closeBox.x, box.x + 437 * scale, 'close left', tolerance);
    near(closeBox.y, box.y + 437 * scale, 'close top', tolerance);
    near(closeBox.width, 46 * scale, 'close width', tolerance);
    near(closeBox.height, 46 * scale, 'close height', tolerance);
    assert.ok(closeBox.y + closeBox.height <= height && closeBox.x + closeBox.width <= width, 'close area off screen');
    const link = await page.locator('[aria-label="Popup"] a').boundingBox();
    near(link.width, 500 * scale, 'click area width', tolerance);
    near(link.height, 500 * scale, 'click area height', tolerance);
    await page.mouse.click(...centre(closeBox));
    await gone(page);
    assert.deepEqual(printed, []);
    await ctx.close();
  });
}

test('runs under Content-Security-Policy script-src self', async () => {
  const s = makeSite('csp-page', plain);
  const { ctx, page, printed, response } = await open(s.http);
  assert.equal(response.headers()['content-security-policy'], "script-src 'self'");
  await shown(page);
  const box = await popup(page).boundingBox();
  await page.mouse.click(box.x + 100, box.y + 200);
  await page.waitForURL(/\/csp-page\/target\.htm$/);
  assert.deepEqual(printed, []);
  await ctx.close();
});

test('works from file:// as the preview opens it', async () => {
  const dir = path.join(site, 'preview');
  fs.mkdirSync(path.join(dir, 'files'), { recursive: true });
  const page = path.join(dir, 'index.htm');
  execFileSync(popupgen, ['--page', page, '--preview', ...plain.filter((a) => a !== '--every-time')],
    { stdio: ['ignore', 'ignore', 'inherit'] });
  const { ctx, page: tab, printed } = await open(pathToFileURL(page).href);
  const box = await shown(tab);
  near(box.width, 300, 'width');
  await tab.reload();
  await shown(tab); // the preview leaves out the once-per-session code
  await tab.keyboard.press('Escape');
  await gone(tab);
  assert.deepEqual(printed, []);
  await ctx.close();
});

test('once per session also holds for a page opened from disk', async () => {
  const s = makeSite('disk-once', plain.filter((a) => a !== '--every-time'));
  const { ctx, page, printed } = await open(s.file);
  await shown(page);
  await page.reload();
  await page.waitForLoadState('load');
  await page.waitForTimeout(200);
  assert.equal(await popup(page).count(), 0, 'shown again in the same session');
  assert.deepEqual(printed, []);
  await ctx.close();
  // A new session shows it again.
  const again = await open(s.file);
  await shown(again.page);
  await again.ctx.close();
});

test('typed link text with quotes and backslashes reaches the browser unchanged', async () => {
  const query = `"it's" \\ ---Position--- <b>`;
  const s = makeSite('oddlink', ['--size', '200', '--fill', 'FF444444', '--every-time',
    '--url', `target.htm?q=${query}`]);
  const { ctx, page, printed } = await open(s.http);
  const box = await shown(page);
  near(box.x, 300, 'left of the centred popup');
  await page.mouse.click(box.x + 100, box.y + 100);
  await page.waitForURL(/target\.htm/);
  assert.equal(new URL(page.url()).searchParams.get('q'), query);
  assert.deepEqual(printed, []);
  await ctx.close();
});

test('a page whose name holds blanks and "#" still finds its popup files', async () => {
  const s = makeSite('names', plain, 'my page #1.htm');
  assert.ok(fs.existsSync(path.join(s.dir, 'my page #1.popup', 'script.js')));
  for (const url of [s.http, s.file]) {
    const { ctx, page, printed } = await open(url);
    const box = await shown(page);
    near(box.width, 300, 'width');
    assert.deepEqual(printed, []);
    await ctx.close();
  }
});
