// The generated popup in two real browsers: pages are written by vantelle-popupgen, served from
// 127.0.0.1 by a small server of this test (or opened from file://), and driven through
// puppeteer-core in Debian's Chromium (DevTools protocol) and firefox-esr (WebDriver BiDi).
// One table of behaviours runs in both.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import { createRequire } from 'node:module';
import { fileURLToPath, pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

const require = createRequire(import.meta.url);
const axeSource = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
const popupgen = process.env.VANTELLE_POPUPGEN;
const content = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..', '..', 'content');
const screenshots = process.env.VANTELLE_POPUP_SCREENSHOTS; // optional: a folder for pictures
const only = process.env.VANTELLE_BROWSERS ? process.env.VANTELLE_BROWSERS.split(',') : null;
let site;
let server;
let base;
const measured = [];

const types = { '.htm': 'text/html', '.js': 'text/javascript', '.png': 'image/png', '.gif': 'image/gif' };
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

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
    const body = fs.readFileSync(file);
    const send = () => {
      response.writeHead(200, headers);
      response.end(body);
    };
    // A slow network for the pictures of the sites named slow-...
    if (url.pathname.startsWith('/slow-') && url.pathname.endsWith('.png')) setTimeout(send, 1500);
    else send();
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  base = `http://127.0.0.1:${server.address().port}`;
});

after(async () => {
  server?.close();
  if (site) {
    const s = makeSite('size', plain);
    const script = fs.readFileSync(path.join(s.dir, 'index.popup', 'script.js'));
    console.log(`# script.js: ${script.length} bytes, ${zlib.gzipSync(script, { level: 9 }).length} bytes gzipped`);
  }
  if (measured.length) {
    console.log('# time from trigger to the first animation frame with the popup on screen (ms):');
    for (const m of measured) console.log(`#   ${m}`);
  }
  if (site) fs.rmSync(site, { recursive: true, force: true });
});

// The two engines; options start a browser that prefers reduced motion or has a touch screen
// only, that keeps its profile in a given folder, or that lives in another time zone.
const engines = {
  chromium: {
    async launch({ profile, reducedMotion, timeZone } = {}) {
      return puppeteer.launch({
        browser: 'chrome',
        executablePath: '/usr/bin/chromium',
        headless: true,
        userDataDir: profile,
        ...(timeZone ? { env: { ...process.env, TZ: timeZone } } : {}),
        args: ['--disable-gpu', '--disable-background-networking', '--disable-component-update',
          '--disable-sync', '--no-first-run',
          ...(process.getuid() === 0 ? ['--no-sandbox'] : []),
          ...(reducedMotion ? ['--force-prefers-reduced-motion'] : [])],
      });
    },
    async page(context, viewport, { touch } = {}) {
      const page = await context.newPage();
      await page.setViewport({ ...viewport, ...(touch ? { hasTouch: true, isMobile: true } : {}) });
      return page;
    },
  },
  firefox: {
    async launch({ profile, reducedMotion, touch, phone, timeZone } = {}) {
      return puppeteer.launch({
        browser: 'firefox',
        executablePath: '/usr/bin/firefox-esr',
        headless: true,
        userDataDir: profile,
        ...(timeZone ? { env: { ...process.env, TZ: timeZone } } : {}),
        extraPrefsFirefox: {
          ...(reducedMotion ? { 'ui.prefersReducedMotion': 1 } : {}),
          // A coarse pointer without hover: a touch screen.
          ...(touch ? { 'ui.primaryPointerCapabilities': 1, 'ui.allPointerCapabilities': 1 } : {}),
          // Pages laid out as a phone lays them out, at density 2, in the browser's own window
          // (its viewport cannot be set then).
          ...(phone ? { 'dom.meta-viewport.enabled': true, 'layout.css.devPixelsPerPx': '2' } : {}),
        },
      });
    },
    async page(context, viewport) {
      const page = await context.newPage();
      if (viewport) await page.setViewport(viewport);
      return page;
    },
  },
};

// A page with the popup added behind its body tag, and a link target beside it; head and lead
// are the page's own markup in its head and right after its body tag.
function makeSite(name, args, { pageName = 'index.htm', head = '', lead = '' } = {}) {
  const dir = path.join(site, name);
  fs.mkdirSync(dir, { recursive: true });
  const page = path.join(dir, pageName);
  fs.writeFileSync(page, `<html lang="en"><head><title>${name}</title>${head}</head>\n` +
    '<body style="margin:0;background:#e8e8e8">\n' + lead +
    '<main><h1 style="margin:16px">A page of the site</h1>\n' +
    '<button id="before" style="margin:16px">A button of the page</button>\n' +
    '<p style="margin:16px;height:2000px">Page text under the popup.</p></main>\n</body></html>\n');
  fs.writeFileSync(path.join(dir, 'target.htm'), '<html><body><p>landed</p></body></html>\n');
  execFileSync(popupgen, ['--page', page, ...args], { stdio: ['ignore', 'ignore', 'pipe'] });
  assert.match(fs.readFileSync(page, 'latin1'),
    /<body style="margin:0;background:#e8e8e8"><!-- POPUP --><script src=[^ >]+\/script\.js><\/script><!-- END -->\n/);
  return { http: `${base}/${name}/${encodeURIComponent(pageName)}`, file: pathToFileURL(page).href, dir };
}

// The name under which the popup keeps what the visitor has seen.
function cookieName(dir) {
  return /Cookie_ID_\d+/.exec(fs.readFileSync(path.join(dir, 'index.popup', 'script.js'), 'latin1'))[0];
}

// In every page: the times the popup went into the page and left it, the first animation frame
// that shows it, and the time stamp of the last scroll or pointer-leave event before it.
function recordPopupTimes() {
  window.popupLife = {};
  // The script starts its auto-close timer right after it puts the popup into the page, in the
  // same task; an observer would only hear of it after that task, so the insertion is timed here.
  const insertion = (node) => {
    if (!node || !node.getAttribute || node.getAttribute('role') !== 'dialog') return;
    window.popupLife.inserted = performance.now();
    const img = node.querySelector('img');
    window.popupLife.pictureReady = !!(img && img.complete && img.naturalWidth > 0);
    window.popupLife.count = (window.popupLife.count || 0) + 1;
    window.popupLife.most = Math.max(window.popupLife.most || 0,
      document.querySelectorAll('[role="dialog"]').length + 1);
  };
  const append = Node.prototype.appendChild;
  Node.prototype.appendChild = function (node) {
    insertion(node);
    return append.call(this, node);
  };
  const insert = Node.prototype.insertBefore;
  Node.prototype.insertBefore = function (node, before) {
    insertion(node);
    return insert.call(this, node, before);
  };
  const note = (event) => { window.popupLife.trigger = event.timeStamp; };
  addEventListener('scroll', note, true);
  document.addEventListener('mouseout', note, true);
  new MutationObserver((changes) => {
    for (const change of changes) {
      for (const node of change.addedNodes)
        if (node.getAttribute && node.getAttribute('role') === 'dialog') {
          window.popupLife.shown = performance.now();
          // The entrance starts with the showing; taken here, before it can end.
          window.popupLife.animations = node.getAnimations().map((a) => a.effect.getKeyframes().map((k) => k.transform || k.opacity));
          requestAnimationFrame(() => { window.popupLife.frame = performance.now(); });
        }
      for (const node of change.removedNodes)
        if (node.getAttribute && node.getAttribute('role') === 'dialog') window.popupLife.gone = performance.now();
    }
  }).observe(document, { childList: true, subtree: true });
}

// Sets the page's clock to the instant given (milliseconds since 1970), from where it runs on.
function setClock(at) {
  const RealDate = Date;
  const shift = at - RealDate.now();
  class Clock extends RealDate {
    constructor(...args) {
      if (args.length) super(...args);
      else super(RealDate.now() + shift);
    }

    static now() {
      return RealDate.now() + shift;
    }
  }
  window.Date = Clock;
}

const POPUP = '[role="dialog"]';
const CLOSE = '[role="dialog"] button';
const LINK = '[role="dialog"] a';

function near(actual, expected, what, tolerance = 1) {
  assert.ok(Math.abs(actual - expected) <= tolerance, `${what}: ${actual}, expected ${expected}`);
}

function centre(box) {
  return [box.x + box.width / 2, box.y + box.height / 2];
}

const plain = ['--size', '300', '--fill', 'FFCC3344', '--close-fill', 'FF202020',
  '--close-size', '30,30', '--close-at', '260,10', '--url', 'target.htm', '--every-time'];
const oncePerSession = plain.filter((a) => a !== '--every-time');
const designed = ['--size', '300', '--template', path.join(content, 'Templates', '1.png'),
  '--close-button', path.join(content, 'CloseButtons', '1.png'), '--close-scale', '1.5',
  '--close-at', '240,28', '--url', 'target.htm', '--every-time', '--text', 'Half price',
  '--text-at', '30,120', '--text', 'Summer sale!', '--text-at', '30,34', '--font-size', '20', '--bold'];

for (const [engineName, engine] of Object.entries(engines)) {
  if (only && !only.includes(engineName)) continue;
  describe(engineName, () => {
    let browser;
    before(async () => { browser = await engine.launch(); });
    after(async () => { await browser?.close(); });

    // Opens url in a fresh browser session (or the given one) and records what the page prints.
    async function open(url, { viewport = { width: 800, height: 600 }, context, into = browser, touch, init, use } = {}) {
      const ctx = use ? use.browserContext() : context || await into.createBrowserContext();
      const page = use || await engine.page(ctx, viewport, { touch });
      const printed = [];
      page.on('console', (message) => printed.push(`${message.type()}: ${message.text()}`));
      page.on('pageerror', (error) => printed.push(`error: ${error.message}`));
      await page.evaluateOnNewDocument(recordPopupTimes);
      if (init) await page.evaluateOnNewDocument(...[].concat(init));
      const response = await page.goto(url, { waitUntil: 'load' });
      return { ctx, page, printed, response };
    }

    const count = (page) => page.$$eval(POPUP, (nodes) => nodes.length);

    // Waits for the popup, its picture and the end of its entrance; returns its box on screen.
    async function shown(page, timeout = 5000) {
      await page.waitForFunction(() => {
        const dialog = document.querySelector('[role="dialog"]');
        const img = dialog && dialog.querySelector('img');
        return img && img.complete && img.naturalWidth > 0 && dialog.getAnimations().length === 0;
      }, { timeout, polling: 50 });
      return (await page.$(POPUP)).boundingBox();
    }

    async function gone(page, timeout = 2000) {
      await page.waitForFunction(() => !document.querySelector('[role="dialog"]'), { timeout, polling: 50 });
    }

    async function notShown(page, ms = 300) {
      await sleep(ms);
      assert.equal(await count(page), 0, 'the popup is on the page');
    }

    const box = async (page, selector) => (await page.$(selector)).boundingBox();

    async function measure(page, what) {
      const life = await page.evaluate(() => window.popupLife);
      const from = life.trigger !== undefined && life.trigger <= life.shown ? life.trigger : life.shown;
      if (life.frame !== undefined) measured.push(`${engineName}, ${what}: ${(life.frame - from).toFixed(1)}`);
    }

    test('centred popup: picture, close control and its rectangle', async () => {
      // A shipped template and close button (24 x 24, drawn at 1.5 times: 36 x 36).
      const s = makeSite(`${engineName}-centred`, designed);
      const { ctx, page, printed } = await open(s.http);
      const popup = await shown(page);
      // Where the browser shows a scroll bar for the long page, the window is that much narrower.
      const viewWidth = () => page.evaluate(() => document.documentElement.clientWidth);
      const left = (await viewWidth() - 300) / 2;
      near(popup.x, left, 'left', 0);
      near(popup.y, 150, 'top', 0);
      near(popup.width, 300, 'width', 0);
      near(popup.height, 300, 'height', 0);
      assert.equal(await page.$eval(`${POPUP} img`, (img) => img.naturalWidth), 300);

      // 36 x 36 at (240, 28) grown by 36 div 12 = 3 on every side. At scale 1 every edge is a
      // whole pixel: one pixel off or wider is a fault.
      const closeBox = await box(page, CLOSE);
      near(closeBox.x, left + 237, 'close left', 0);
      near(closeBox.y, 150 + 25, 'close top', 0);
      near(closeBox.width, 42, 'close width', 0);
      near(closeBox.height, 42, 'close height', 0);
      await measure(page, 'at load');

      // A resized window centres it again.
      await page.setViewport({ width: 700, height: 500 });
      await page.waitForFunction(() => document.querySelector('[role="dialog"]').getBoundingClientRect().top === 100);
      near((await box(page, POPUP)).x, (await viewWidth() - 300) / 2, 'left after resizing', 0);
      await page.setViewport({ width: 800, height: 600 });
      await page.waitForFunction(() => document.querySelector('[role="dialog"]').getBoundingClientRect().top === 150);

      await page.mouse.click(...centre(closeBox));
      await gone(page);
      assert.match(page.url(), /-centred\/index\.htm$/);
      assert.deepEqual(printed, []);
      await ctx.close();
    });

    test('manual position places the popup on the page', async () => {
      const s = makeSite(`${engineName}-manual`, ['--size', '200', '--fill', 'FF3366CC', '--manual', '20,35', '--every-time']);
      const { ctx, page, printed } = await open(s.http);
      const popup = await shown(page);
      near(popup.x, 20, 'left', 0);
      near(popup.y, 35, 'top', 0);
      near(popup.width, 200, 'width', 0);
      // It belongs to the page: scrolling moves it.
      await page.evaluate(() => window.scrollTo(0, 100));
      await page.waitForFunction(() => window.scrollY === 100);
      near((await box(page, POPUP)).y, -65, 'top after scrolling', 0);
      assert.deepEqual(printed, []);
      await ctx.close();
    });

    test('a click on the body follows the link in the same window', async () => {
      const s = makeSite(`${engineName}-same`, plain);
      const { ctx, page, printed } = await open(s.http);
      const popup = await shown(page);
      await Promise.all([page.waitForNavigation(), page.mouse.click(popup.x + 100, popup.y + 200)]);
      assert.match(page.url(), /-same\/target\.htm$/);
      assert.equal((await ctx.pages()).length, 1);
      assert.deepEqual(printed, []);
      await ctx.close();
    });

    test('a click on the body opens the link in a new window without an opener', async () => {
      const s = makeSite(`${engineName}-blank`, [...plain, '--new-window']);
      const { ctx, page, printed } = await open(s.http);
      const popup = await shown(page);
      const [opened] = await Promise.all([
        ctx.waitForTarget((t) => /-blank\/target\.htm$/.test(t.url())),
        page.mouse.click(popup.x + 100, popup.y + 200),
      ]);
      const tab = await opened.page();
      await tab.waitForFunction(() => document.readyState === 'complete');
      assert.equal(await tab.evaluate(() => window.opener), null);
      assert.match(page.url(), /-blank\/index\.htm$/);
      assert.deepEqual(printed, []);
      await ctx.close();
    });

    test('"Close Popup" closes on a body click and stays on the page', async () => {
      const s = makeSite(`${engineName}-closeclick`, [...plain, '--close-popup']);
      const { ctx, page, printed } = await open(s.http);
      const popup = await shown(page);
      await page.mouse.click(popup.x + 100, popup.y + 200);
      await gone(page);
      assert.match(page.url(), /-closeclick\/index\.htm$/);
      assert.deepEqual(printed, []);
      await ctx.close();
    });

    // The popup's life is timed in the page itself: from the moment the script puts it into
    // the page (just before its timer starts) to its removal, whatever the picture's loading takes.
    test('auto close after one second', async () => {
      const s = makeSite(`${engineName}-autoclose`, [...plain, '--auto-close', '1']);
      const { ctx, page, printed } = await open(s.http);
      await gone(page, 5000);
      const life = await page.evaluate(() => window.popupLife.gone - window.popupLife.inserted);
      assert.ok(life >= 995 && life < 3000, `shown for ${life} ms, expected 1000`);
      assert.deepEqual(printed, []);
      await ctx.close();
    });

    test('an auto close past the browser timer range waits as long as it says', async () => {
      // 2,147,484 s is 2,147,484,000 ms, just past the 2^31 - 1 ms that one timer can wait.
      const s = makeSite(`${engineName}-longclose`, [...plain, '--auto-close', '2147484']);
      const { ctx, page, printed } = await open(s.http);
      await sleep(1500);
      assert.equal(await count(page), 1, 'closed at once');
      assert.deepEqual(printed, []);
      await ctx.close();
    });

    test('Escape closes the popup unless the visitor types in a field of the page', async () => {
      const s = makeSite(`${engineName}-escape`, plain);
      const { ctx, page, printed } = await open(s.http);
      await shown(page);
      await page.evaluate(() => {
        const field = document.createElement('input');
        field.type = 'search';
        document.body.insertBefore(field, document.body.firstChild);
        field.focus();
      });
      await page.keyboard.press('Escape');
      await sleep(200);
      assert.equal(await count(page), 1, 'Escape in a search box closed the popup');
      // Focus in the popup closes it even though the field was focused before.
      await page.focus(CLOSE);
      await page.keyboard.press('Escape');
      await gone(page);

      // Focus on no editable element (the page itself) closes it as well.
      await page.reload({ waitUntil: 'load' });
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
        const s = makeSite(`${engineName}-fit-${width}x${height}`, ['--size', '500', '--fill', 'FF118833',
          '--close-fill', 'FFFFFFFF', '--close-size', '40,40', '--close-at', '440,440', '--url', 'target.htm',
          '--every-time']);
        const { ctx, page, printed } = await open(s.http, { viewport: { width, height } });
        const popup = await shown(page);
        // The page scrolls, so its scroll bar takes from the width in browsers that show one.
        const viewWidth = await page.evaluate(() => document.documentElement.clientWidth);
        const scale = Math.min(1, viewWidth / 500, height / 500);
        const tolerance = scale === 1 ? 0 : 1;
        near(popup.width, 500 * scale, 'width', tolerance);
        near(popup.height, 500 * scale, 'height', tolerance);
        near(popup.x, (viewWidth - 500 * scale) / 2, 'left', tolerance);
        near(popup.y, (height - 500 * scale) / 2, 'top', tolerance);
        // 40 x 40 at (440, 440) grown by 3 on every side; the click area is the whole picture.
        const closeBox = await box(page, CLOSE);
        near(closeBox.x, popup.x + 437 * scale, 'close left', tolerance);
        near(closeBox.y, popup.y + 437 * scale, 'close top', tolerance);
        near(closeBox.width, 46 * scale, 'close width', tolerance);
        near(closeBox.height, 46 * scale, 'close height', tolerance);
        assert.ok(closeBox.y + closeBox.height <= height && closeBox.x + closeBox.width <= width, 'close area off screen');
        const link = await box(page, LINK);
        near(link.width, 500 * scale, 'click area width', tolerance);
        near(link.height, 500 * scale, 'click area height', tolerance);
        await page.mouse.click(...centre(closeBox));
        await gone(page);
        assert.deepEqual(printed, []);
        await ctx.close();
      });
    }

    test('runs under Content-Security-Policy script-src self', async () => {
      const s = makeSite(`csp-${engineName}`, [...plain, '--backdrop', '000000,50', '--entrance', 'zoom', '--show', 'delay:0']);
      const { ctx, page, printed, response } = await open(s.http);
      assert.equal(response.headers()['content-security-policy'], "script-src 'self'");
      const popup = await shown(page);
      await Promise.all([page.waitForNavigation(), page.mouse.click(popup.x + 100, popup.y + 200)]);
      assert.match(page.url(), /target\.htm$/);
      assert.deepEqual(printed, []);
      await ctx.close();
    });

    test('works from file:// as the preview opens it', async () => {
      const dir = path.join(site, `${engineName}-preview`);
      fs.mkdirSync(path.join(dir, 'files'), { recursive: true });
      const file = path.join(dir, 'index.htm');
      execFileSync(popupgen, ['--page', file, '--preview', '--repeat-days', '3', ...oncePerSession],
        { stdio: ['ignore', 'ignore', 'pipe'] });
      const { ctx, page, printed } = await open(pathToFileURL(file).href);
      near((await shown(page)).width, 300, 'width', 0);
      await page.reload({ waitUntil: 'load' });
      await shown(page); // the preview leaves out the once-per-session and the days code
      await page.keyboard.press('Escape');
      await gone(page);
      assert.deepEqual(printed, []);
      await ctx.close();
    });

    test('typed link text with quotes and backslashes reaches the browser unchanged', async () => {
      const query = `"it's" \\ ---Position--- <b>`;
      const s = makeSite(`${engineName}-oddlink`, ['--size', '200', '--fill', 'FF444444', '--every-time',
        '--url', `target.htm?q=${query}`]);
      const { ctx, page, printed } = await open(s.http);
      const popup = await shown(page);
      near(popup.x, await page.evaluate(() => (document.documentElement.clientWidth - 200) / 2), 'left of the centred popup', 0);
      await Promise.all([page.waitForNavigation(), page.mouse.click(popup.x + 100, popup.y + 100)]);
      assert.equal(new URL(page.url()).searchParams.get('q'), query);
      assert.deepEqual(printed, []);
      await ctx.close();
    });

    test('a page whose name holds blanks and "#" still finds its popup files', async () => {
      const s = makeSite(`${engineName}-names`, plain, { pageName: 'my page #1.htm' });
      assert.ok(fs.existsSync(path.join(s.dir, 'my page #1.popup', 'script.js')));
      for (const url of [s.http, s.file]) {
        const { ctx, page, printed } = await open(url);
        near((await shown(page)).width, 300, 'width', 0);
        assert.deepEqual(printed, []);
        await ctx.close();
      }
    });

    // When it shows.

    test('a delay of two seconds waits two seconds after the page', async () => {
      const s = makeSite(`${engineName}-delay`, [...plain, '--show', 'delay:2']);
      const { ctx, page, printed } = await open(s.http);
      await shown(page, 5000);
      const at = await page.evaluate(() => window.popupLife.shown);
      assert.ok(at >= 2000, `shown ${at} ms after the page began`);
      await measure(page, 'after a delay');
      assert.deepEqual(printed, []);
      await ctx.close();
    });

    test('exit intent: shown when the pointer leaves the top of the window, once', async () => {
      const s = makeSite(`${engineName}-exit`, [...plain, '--show', 'exit:1']);
      const { ctx, page, printed } = await open(s.http);
      await page.mouse.move(400, 300);
      await page.mouse.move(400, 100);
      // Leaving at the side or the bottom is no intent to leave the page.
      await page.evaluate(() => document.dispatchEvent(new MouseEvent('mouseout', { clientX: 400, clientY: 599, bubbles: true })));
      await notShown(page, 1500); // no touch screen: the fallback delay does not apply
      // The pointer leaves through the top edge (as the browser reports it: no element to go to).
      await page.evaluate(() => document.documentElement.dispatchEvent(new MouseEvent('mouseout', { clientX: 400, clientY: -2, bubbles: true })));
      await shown(page);
      await measure(page, 'on exit intent');
      await page.keyboard.press('Escape');
      await gone(page);
      // Only one showing per page load.
      await page.evaluate(() => document.documentElement.dispatchEvent(new MouseEvent('mouseout', { clientX: 400, clientY: -2, bubbles: true })));
      await notShown(page);
      assert.deepEqual(printed, []);
      await ctx.close();
    });

    test('exit intent on a touch screen: shown after its delay', async () => {
      const s = makeSite(`${engineName}-exit-touch`, [...plain, '--show', 'exit:1']);
      const touchBrowser = engineName === 'firefox' ? await engine.launch({ touch: true }) : browser;
      try {
        const { ctx, page, printed } = await open(s.http, { into: touchBrowser, touch: true, viewport: { width: 360, height: 640 } });
        assert.equal(await page.evaluate(() => matchMedia('(pointer: coarse)').matches), true);
        // Timed in the page, from its start: a slow page load must not count against the delay.
        await shown(page, 4000);
        const at = await page.evaluate(() => window.popupLife.shown);
        assert.ok(at >= 1000, `shown ${at} ms after the page began`);
        assert.deepEqual(printed, []);
        await ctx.close();
      } finally {
        if (touchBrowser !== browser) await touchBrowser.close();
      }
    });

    // The share of the page read before it shows, just short of it and at it; 100 is the bottom.
    for (const [percent, short, enough] of [[50, 0.4, 0.55], [100, 0.9, 1]]) {
      test(`scrolling shows it once the visitor has read ${percent}% of the page`, async () => {
        const s = makeSite(`${engineName}-scroll-${percent}`, [...plain, '--show', `scroll:${percent}`]);
        const { ctx, page, printed } = await open(s.http);
        const range = await page.evaluate(() => document.documentElement.scrollHeight - innerHeight);
        await notShown(page, 200);
        await page.evaluate((y) => window.scrollTo(0, y), Math.floor(range * short));
        await notShown(page, 300);
        await page.evaluate((y) => window.scrollTo(0, y), Math.ceil(range * enough));
        await shown(page);
        await measure(page, 'on scrolling');
        assert.deepEqual(printed, []);
        await ctx.close();
      });
    }

    test('a resize before the page has loaded does not count as scrolling', async () => {
      // The page's own script sends a resize while only its first lines are there.
      const s = makeSite(`${engineName}-scroll-resize`, [...plain, '--show', 'scroll:50'],
        { lead: '<script>dispatchEvent(new Event("resize"))</script>\n' });
      const { ctx, page, printed } = await open(s.http);
      await notShown(page, 500);
      const range = await page.evaluate(() => document.documentElement.scrollHeight - innerHeight);
      await page.evaluate((y) => window.scrollTo(0, y), Math.ceil(range * 0.55));
      await shown(page);
      assert.deepEqual(printed, []);
      await ctx.close();
    });

    // How often it shows, across reloads and a browser restart on the same profile.

    for (const [name, args, afterReload, afterRestart] of [
      ['every load', plain, true, true],
      ['once per session', oncePerSession, false, true],
      ['once every 3 days', [...oncePerSession, '--repeat-days', '3'], false, false],
    ]) {
      test(`${name}: shown again after a reload ${afterReload}, after a restart ${afterRestart}`, async () => {
        const s = makeSite(`${engineName}-often-${name.replace(/ /g, '-')}`, args);
        const profile = fs.mkdtempSync(path.join(os.tmpdir(), `vantelle-profile-${engineName}-`));
        try {
          let own = await engine.launch({ profile });
          let context = own.defaultBrowserContext();
          let { page, printed } = await open(s.http, { context });
          await shown(page);
          await page.reload({ waitUntil: 'load' });
          if (afterReload) await shown(page);
          else await notShown(page);
          assert.deepEqual(printed, []);
          await own.close();

          own = await engine.launch({ profile });
          context = own.defaultBrowserContext();
          ({ page, printed } = await open(s.http, { context }));
          if (afterRestart) await shown(page);
          else await notShown(page);
          await own.close();
        } finally {
          fs.rmSync(profile, { recursive: true, force: true });
        }
      });
    }

    // The time of the last showing, stored before the page loads: the days are whole days.
    for (const [ago, what, again] of [[3600000, 'an hour', false], [3 * 86400000 + 60000, 'three days and a minute', true]]) {
      test(`once every 3 days, last shown ${what} ago: shown ${again}`, async () => {
        const s = makeSite(`${engineName}-days-${ago}`, [...oncePerSession, '--repeat-days', '3']);
        const preset = (name, at) => localStorage.setItem(name, String(Date.now() - at));
        const { ctx, page, printed } = await open(s.http, { init: [preset, cookieName(s.dir), ago] });
        if (again) await shown(page);
        else await notShown(page, 500);
        assert.deepEqual(printed, []);
        await ctx.close();
      });
    }

    test('once per session: a cookie whose name only begins with the popup\'s is not its own', async () => {
      const s = makeSite(`${engineName}-cookie-prefix`, oncePerSession);
      const preset = (name) => { document.cookie = `${name}9=1; path=/`; };
      const { ctx, page, printed } = await open(s.http, { init: [preset, cookieName(s.dir)] });
      await shown(page);
      assert.deepEqual(printed, []);
      await ctx.close();
    });

    test('once every 3 days falls back to a cookie of that life where storage is refused', async () => {
      const s = makeSite(`${engineName}-days-cookie`, [...oncePerSession, '--repeat-days', '3']);
      const refuse = () => {
        Object.defineProperty(window, 'localStorage', { get() { throw new DOMException('refused', 'SecurityError'); } });
      };
      const { ctx, page, printed } = await open(s.http, { init: refuse });
      await shown(page);
      const cookie = (await ctx.cookies()).find((c) => c.name.startsWith('Cookie_ID_'));
      assert.ok(cookie, 'cookie set');
      const days = (cookie.expires - Date.now() / 1000) / 86400;
      assert.ok(days > 2.9 && days <= 3.01, `cookie lasts ${days} days`);
      await page.reload({ waitUntil: 'load' });
      await notShown(page);
      assert.deepEqual(printed, []);
      await ctx.close();
    });

    test('once per session: a session cookie over http, session storage from disk', async () => {
      const s = makeSite(`${engineName}-session`, oncePerSession);
      for (const url of [s.http, s.file]) {
        const { ctx, page, printed } = await open(url);
        await shown(page);
        if (url === s.http) {
          const cookie = (await ctx.cookies()).find((c) => c.name.startsWith('Cookie_ID_'));
          assert.ok(cookie, 'session cookie set');
          assert.ok(cookie.session || cookie.expires === -1, 'a session cookie');
          assert.equal(cookie.path, '/');
        }
        await page.reload({ waitUntil: 'load' });
        await notShown(page);
        assert.deepEqual(printed, []);
        await ctx.close();
        // A new session shows it again.
        const again = await open(url);
        await shown(again.page);
        await again.ctx.close();
      }
    });

    // Backdrop and dialog.

    test('backdrop: dims the page, a click on it closes, focus is trapped and returned', async () => {
      const s = makeSite(`${engineName}-backdrop`, [...plain, '--backdrop', '102030,60', '--show', 'delay:1']);
      const { ctx, page, printed } = await open(s.http);
      await page.focus('#before');
      await shown(page);
      const dim = await page.evaluate(() => {
        const el = [...document.body.children].find((e) => e.getAttribute('role') !== 'dialog' &&
          getComputedStyle(e).position === 'fixed');
        const r = el.getBoundingClientRect();
        const style = getComputedStyle(el);
        return { w: r.width - document.documentElement.clientWidth, h: r.height, colour: style.backgroundColor,
          opacity: style.opacity, fixed: style.position };
      });
      assert.deepEqual(dim, { w: 0, h: 600, colour: 'rgb(16, 32, 48)', opacity: '0.6', fixed: 'fixed' });
      const dialog = await page.$eval(POPUP, (el) => [el.getAttribute('aria-modal'), document.activeElement === el]);
      assert.deepEqual(dialog, ['true', true], 'focus moves into the dialog');

      // Tab and Shift+Tab stay inside: link, close, link; back to close.
      const focused = () => page.evaluate(() => document.activeElement.tagName.toLowerCase());
      const order = [];
      for (let i = 0; i < 3; ++i) {
        await page.keyboard.press('Tab');
        order.push(await focused());
      }
      await page.keyboard.down('Shift');
      await page.keyboard.press('Tab');
      await page.keyboard.up('Shift');
      order.push(await focused());
      assert.deepEqual(order, ['a', 'button', 'a', 'button']);

      // A click on the backdrop beside the popup closes it; focus goes back where it was.
      await page.mouse.click(20, 20);
      await gone(page);
      assert.equal(await page.evaluate(() => document.activeElement.id), 'before');
      assert.equal(await page.$('[aria-hidden="true"]'), null);
      assert.deepEqual(printed, []);
      await ctx.close();
    });

    test('backdrop that stays: a click on it does nothing, Escape closes', async () => {
      const s = makeSite(`${engineName}-backdrop-stay`, [...plain, '--backdrop', '000000,50,stay']);
      const { ctx, page, printed } = await open(s.http);
      await shown(page);
      await page.mouse.click(20, 20);
      await sleep(200);
      assert.equal(await count(page), 1);
      await page.keyboard.press('Escape');
      await gone(page);
      assert.deepEqual(printed, []);
      await ctx.close();
    });

    test('without a backdrop the page stays usable: Tab goes from the popup on to the page', async () => {
      const s = makeSite(`${engineName}-tab`, plain);
      const { ctx, page, printed } = await open(s.http);
      await shown(page);
      assert.equal(await page.$eval(POPUP, (el) => el.getAttribute('aria-modal')), null);
      const order = [];
      for (let i = 0; i < 3; ++i) {
        await page.keyboard.press('Tab');
        order.push(await page.evaluate(() => document.activeElement.id || document.activeElement.tagName.toLowerCase()));
      }
      assert.deepEqual(order, ['a', 'button', 'before']);
      assert.deepEqual(printed, []);
      await ctx.close();
    });

    // Entrance, and none when the visitor's system asks for reduced motion.

    for (const entrance of ['fade', 'zoom']) {
      test(`${entrance} entrance, and none under reduced motion`, async () => {
        const s = makeSite(`${engineName}-${entrance}`, [...plain, '--entrance', entrance, '--show', 'delay:0']);
        const animations = async (into) => {
          const { ctx, page, printed } = await open(s.http, { into });
          await shown(page);
          const running = await page.evaluate(() => window.popupLife.animations);
          assert.deepEqual(printed, []);
          await ctx.close();
          return running;
        };
        const moving = await animations(browser);
        assert.equal(moving.length, 1);
        assert.equal(moving[0].length, 2);
        if (entrance === 'zoom') assert.match(String(moving[0][0]), /scale/);
        const still = await engine.launch({ reducedMotion: true });
        try {
          assert.deepEqual(await animations(still), []);
        } finally {
          await still.close();
        }
      });
    }

    test('the sharp picture is chosen at device scale 2, logo.png at 1', async () => {
      const s = makeSite(`${engineName}-sharp`, designed);
      const plainSite = makeSite(`${engineName}-not-sharp`, [...designed, '--no-sharp']);
      assert.ok(fs.existsSync(path.join(s.dir, 'index.popup', 'logo@2x.png')));
      assert.ok(!fs.existsSync(path.join(plainSite.dir, 'index.popup', 'logo@2x.png')));
      // The PNG header's width: twice the popup's 300 pixels.
      assert.equal(fs.readFileSync(path.join(s.dir, 'index.popup', 'logo@2x.png')).readUInt32BE(16), 600);
      for (const [url, scale, expected] of [[s.http, 2, 'logo@2x.png'], [s.http, 1, 'logo.png'], [plainSite.http, 2, 'logo.png']]) {
        const { ctx, page, printed } = await open(url, { viewport: { width: 800, height: 600, deviceScaleFactor: scale } });
        const popup = await shown(page);
        const picture = await page.$eval(`${POPUP} img`, (img) => img.currentSrc.split('/').pop());
        assert.equal(picture, expected, `at scale ${scale}`);
        near(popup.width, 300, 'width on the page', 0);
        if (screenshots && scale === 2 && url === s.http)
          await page.screenshot({ path: path.join(screenshots, `popup-${engineName}-scale2.png`) });
        assert.deepEqual(printed, []);
        await ctx.close();
      }
    });

    // Screen readers.

    test('axe finds nothing wrong with the popup in any mode', async () => {
      for (const [mode, args] of [['link', designed], ['close click', [...designed, '--close-popup']],
        ['backdrop', [...designed, '--backdrop', '000000,50']], ['manual', [...designed, '--manual', '10,10']],
        ['no texts', plain], ['no close picture', ['--size', '300', '--fill', 'FF3366CC', '--url', 'target.htm', '--every-time']]]) {
        const s = makeSite(`${engineName}-axe-${mode.replace(/ /g, '-')}`, args);
        const { ctx, page } = await open(s.http);
        await shown(page);
        await page.evaluate(axeSource);
        const violations = await page.evaluate(async () => {
          const result = await window.axe.run({ include: [['[role="dialog"]']] });
          return result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
        });
        assert.deepEqual(violations, [], mode);
        await ctx.close();
      }
    });

    test('the popup and its picture are named with the designer\'s texts in reading order', async () => {
      const s = makeSite(`${engineName}-named`, [...designed, '--new-window']);
      const { ctx, page } = await open(s.http);
      await shown(page);
      const names = await page.evaluate(() => {
        const dialog = document.querySelector('[role="dialog"]');
        return [dialog.getAttribute('aria-label'), dialog.querySelector('img').alt,
          dialog.querySelector('a').getAttribute('aria-label')];
      });
      assert.deepEqual(names, ['Summer sale! Half price', 'Summer sale! Half price',
        'Go to target.htm (opens in a new window)']);
      if (engineName === 'chromium') {
        const tree = await page.accessibility.snapshot({ interestingOnly: false });
        const find = (node, role) => (node.role === role ? node : (node.children || []).map((c) => find(c, role)).find(Boolean));
        assert.equal(find(tree, 'dialog')?.name, 'Summer sale! Half price');
        assert.equal(find(tree, 'link')?.name, 'Go to target.htm (opens in a new window)');
      }
      await ctx.close();

      const off = makeSite(`${engineName}-unnamed`, [...designed, '--no-reader-text']);
      const o = await open(off.http);
      await shown(o.page);
      assert.deepEqual(await o.page.$eval(POPUP, (el) => [el.getAttribute('aria-label'), el.querySelector('img').alt]),
        ['Popup', '']);
      await o.ctx.close();
    });

    // A popup keeps to itself, can always be closed, and leaves the page as it found it.

    test('without a close picture a visible close control; an empty link goes nowhere', async () => {
      const s = makeSite(`${engineName}-no-close`, ['--size', '300', '--fill', 'FF3366CC', '--url', '', '--every-time']);
      // A touch screen in Chromium; Firefox taps through the mouse.
      const { ctx, page, printed } = await open(s.http, { touch: engineName === 'chromium' });
      const popup = await shown(page);
      const control = await page.$eval(CLOSE, (el) => {
        const r = el.getBoundingClientRect();
        const style = getComputedStyle(el);
        const top = document.elementFromPoint(r.x + r.width / 2, r.y + r.height / 2);
        return { w: r.width, h: r.height, x: r.x, y: r.y, opacity: style.opacity, visibility: style.visibility,
          name: el.getAttribute('aria-label'), onTop: top === el || el.contains(top) };
      });
      assert.ok(control.w >= 24 && control.h >= 24, `close control ${control.w} x ${control.h}`);
      assert.deepEqual([control.opacity, control.visibility, control.name, control.onTop], ['1', 'visible', 'Close', true]);
      assert.ok(control.x >= popup.x && control.x + control.w <= popup.x + popup.width && control.y >= popup.y,
        'the control lies on the picture');
      // A click on the picture's body neither navigates nor opens a window.
      const pages = (await browser.pages()).length;
      await page.mouse.click(popup.x + 150, popup.y + 200);
      await sleep(500);
      assert.match(page.url(), /-no-close\/index\.htm$/);
      assert.equal((await browser.pages()).length, pages);
      assert.equal(await count(page), 1);
      // Keyboard users reach it; a tap closes.
      await page.focus(CLOSE);
      assert.equal(await page.evaluate(() => document.activeElement.getAttribute('aria-label')), 'Close');
      const c = [control.x + control.w / 2, control.y + control.h / 2];
      if (engineName === 'chromium') await page.touchscreen.tap(...c);
      else await page.mouse.click(...c);
      await gone(page);
      assert.deepEqual(printed, []);
      await ctx.close();
    });

    test('the page\'s own variables of the same names are left alone', async () => {
      const head = '<script>const target = "page"; var action = function () { return "page"; }; ' +
        'var position = { x: 1 };</script>';
      const s = makeSite(`${engineName}-globals`, plain, { head });
      const { ctx, page, printed } = await open(s.http);
      const popup = await shown(page);
      const left = await page.evaluate(() => {
        const names = ['Cookie_unique', 'image_width', 'image_height', 'Path', 'close_points', 'click_points',
          'need_hide', 'openhow', 'show_when', 'show_delay', 'scroll_percent', 'repeat_days', 'backdrop_color',
          'backdrop_opacity', 'backdrop_click_closes', 'entrance', 'reader_text', 'sharp_picture'];
        return { leaked: names.filter((n) => n in window), target, action: action(), x: position.x,
          functions: ['timeHided', 'timeHide', 'close_up'].map((n) => typeof window[n]) };
      });
      assert.deepEqual(left, { leaked: [], target: 'page', action: 'page', x: 1, functions: ['function', 'function', 'function'] });
      await Promise.all([page.waitForNavigation(), page.mouse.click(popup.x + 100, popup.y + 200)]);
      assert.match(page.url(), /-globals\/target\.htm$/);
      assert.deepEqual(printed, []);
      await ctx.close();
    });

    test('a page in another folder finds the popup\'s files; a missing picture shows and marks nothing', async () => {
      const s = makeSite(`${engineName}-folders`, oncePerSession);
      fs.mkdirSync(path.join(s.dir, 'other'));
      fs.writeFileSync(path.join(s.dir, 'other', 'page.htm'), '<html lang="en"><head><title>other</title></head>' +
        '<body><script src=../index.popup/script.js></script><p>Another page</p></body></html>\n');
      let { ctx, page, printed } = await open(`${base}/${engineName}-folders/other/page.htm`);
      near((await shown(page)).width, 300, 'width', 0);
      await ctx.close();

      const logo = path.join(s.dir, 'index.popup', 'logo.png');
      fs.renameSync(logo, `${logo}.away`);
      ({ ctx, page, printed } = await open(s.http));
      await notShown(page, 1000);
      assert.deepEqual(await ctx.cookies(), [], 'marked as seen');
      fs.renameSync(`${logo}.away`, logo);
      await page.reload({ waitUntil: 'load' });
      await shown(page);
      assert.ok(printed.every((line) => /404|Failed to load/.test(line)), printed.join('\n'));
      await ctx.close();
    });

    // A manual position beyond the window's right edge on a phone and a small tablet.
    for (const width of [360, 640]) {
      test(`a manual position stays inside a ${width} px window`, async () => {
        const s = makeSite(`${engineName}-manual-${width}`, [...plain, '--manual', '700,200']);
        const { ctx, page, printed } = await open(s.http, { viewport: { width, height: 640 } });
        const popup = await shown(page);
        const view = await page.evaluate(() => [document.documentElement.clientWidth, document.documentElement.scrollWidth]);
        assert.ok(popup.x >= 0 && popup.x + popup.width <= view[0] + 0.5, `popup ${popup.x} + ${popup.width} in ${view[0]}`);
        assert.ok(view[1] <= view[0], `the page scrolls sideways: ${view[1]} > ${view[0]}`);
        const closeBox = await box(page, CLOSE);
        assert.ok(closeBox.x + closeBox.width <= view[0] + 0.5 && closeBox.y >= 0, 'close area out of reach');
        await page.mouse.click(...centre(closeBox));
        await gone(page);
        assert.deepEqual(printed, []);
        await ctx.close();
      });
    }

    test('behind a backdrop the page is inert and unscrolled, and comes back exactly as it was', async () => {
      const lead = '<nav aria-hidden="false"><a href="target.htm">A link</a></nav><div inert id="asleep">Inert already</div>\n';
      const s = makeSite(`${engineName}-inert`, [...plain, '--backdrop', '000000,50', '--show', 'delay:1', '--manual', '20,900'], { lead });
      const { ctx, page, printed } = await open(s.http);
      await page.evaluate(() => window.scrollTo(0, 300));
      const before = await page.evaluate(() => document.documentElement.outerHTML);
      const popup = await shown(page);
      assert.ok(popup.y >= 0 && popup.y + popup.height <= 600, `the modal popup is off screen at ${popup.y}`);
      const page1 = await page.evaluate(() => ({
        scrolled: scrollY,
        awake: [...document.body.children].filter((el) => el.getAttribute('role') !== 'dialog' &&
          getComputedStyle(el).position !== 'fixed' && !(el.inert && el.getAttribute('aria-hidden') === 'true'))
          .map((el) => el.tagName),
      }));
      assert.deepEqual(page1, { scrolled: 300, awake: [] });
      await page.mouse.move(400, 50);
      await page.mouse.wheel({ deltaY: 400 });
      await sleep(300);
      assert.equal(await page.evaluate(() => scrollY), 300, 'the wheel scrolled the page');
      await page.keyboard.press('Escape');
      await gone(page);
      assert.deepEqual(await page.evaluate(() => [scrollY, document.documentElement.outerHTML]), [300, before]);
      assert.deepEqual(printed, []);
      await ctx.close();
    });

    test('two popups on one page: one at a time, each closed on its own, one script included twice runs once', async () => {
      const s = makeSite(`${engineName}-two`, [...plain, '--backdrop', '000000,50'],
        { lead: '<script src=second/script.js></script><script src=index.popup/script.js></script>\n' });
      execFileSync(popupgen, ['--folder', path.join(s.dir, 'second'), '--size', '200', '--fill', 'FF3366CC',
        '--url', 'target.htm', '--every-time', '--backdrop', '000000,50'], { stdio: ['ignore', 'ignore', 'pipe'] });
      const { ctx, page, printed } = await open(s.http);
      // The popups take turns in the order their pictures arrive, which the network decides.
      const first = await shown(page);
      assert.ok([300, 200].includes(first.width), `first popup: ${first.width}`);
      const otherWidth = first.width === 300 ? 200 : 300;
      await sleep(300);
      assert.equal(await count(page), 1);
      // Tab stays in the dialog on show.
      const inside = () => page.evaluate(() => document.querySelector('[role="dialog"]').contains(document.activeElement));
      for (let i = 0; i < 3; ++i) await page.keyboard.press('Tab');
      assert.equal(await inside(), true);
      await page.keyboard.press('Escape');
      const second = await page.waitForFunction((width) => {
        const d = document.querySelector('[role="dialog"]');
        return d && d.getBoundingClientRect().width === width && d.querySelector('img').complete && d;
      }, { polling: 50, timeout: 3000 }, otherWidth);
      assert.ok(second);
      await sleep(300);
      assert.equal(await count(page), 1, 'one Escape closed both');
      for (let i = 0; i < 3; ++i) await page.keyboard.press('Tab');
      assert.equal(await inside(), true);
      await page.keyboard.press('Escape');
      await gone(page);
      await sleep(300);
      assert.deepEqual(await page.evaluate(() => [window.popupLife.count, window.popupLife.most]), [2, 1]);
      assert.deepEqual(printed, []);
      await ctx.close();
    });

    test('on a slow network the dialog comes with its picture', async () => {
      const s = makeSite(`slow-${engineName}-picture`, [...plain, '--backdrop', '000000,50']);
      const { ctx, page, printed } = await open(s.http);
      await shown(page, 6000);
      assert.equal(await page.evaluate(() => window.popupLife.pictureReady), true);
      assert.deepEqual(printed, []);
      await ctx.close();
    });

    test('a popup without a backdrop that shows late still comes first in the tab order', async () => {
      const s = makeSite(`${engineName}-tab-first`, [...plain, '--show', 'delay:1']);
      const { ctx, page, printed } = await open(s.http);
      await shown(page);
      await page.keyboard.press('Tab');
      assert.equal(await page.evaluate(() => document.querySelector('[role="dialog"]').contains(document.activeElement)), true);
      assert.deepEqual(printed, []);
      await ctx.close();
    });

    // Each case: the flags, the page's clock and the kind of device, and whether it shows.
    // 2030-06-01 is a Saturday. The popup is shown once per session, so a showing leaves a mark.
    const twoDays = ['--from', '2030-06-01T10:00Z', '--until', '2030-06-03T10:00Z'];
    const weekendNights = ['--from', '2030-01-01T00:00Z', '--days', 'sat,sun', '--hours', '22:00-02:00'];
    const desktop = { width: 800, height: 600 };
    const audienceCases = [
      { name: 'before its start', args: twoDays, at: '2030-06-01T09:59:59Z', shows: false },
      { name: 'at its start', args: twoDays, at: '2030-06-01T10:00:00Z', shows: true },
      { name: 'just before its end', args: twoDays, at: '2030-06-03T09:59:59Z', shows: true },
      { name: 'at its end', args: twoDays, at: '2030-06-03T10:00:00Z', shows: false },
      { name: 'on a clock two hours ahead of UTC', args: ['--from', '2030-06-01T10:00+02:00'], at: '2030-06-01T08:00:00Z', shows: true },
      { name: 'before its start two hours ahead of UTC', args: ['--from', '2030-06-01T10:00+02:00'], at: '2030-06-01T07:59:00Z', shows: false },
      { name: 'on a Saturday night', args: weekendNights, at: '2030-06-01T23:00:00Z', shows: true },
      { name: 'past midnight of a Sunday night', args: weekendNights, at: '2030-06-03T01:30:00Z', shows: true },
      { name: 'past midnight of a Friday night', args: weekendNights, at: '2030-06-01T01:30:00Z', shows: false },
      { name: 'on a Friday night', args: weekendNights, at: '2030-05-31T23:00:00Z', shows: false },
      { name: 'on a Saturday afternoon', args: weekendNights, at: '2030-06-01T14:00:00Z', shows: false },
      { name: 'touch only, on a desktop', args: ['--devices', 'touch'], device: 'desktop', shows: false },
      { name: 'touch only, on a touch screen', args: ['--devices', 'touch'], device: 'touch', shows: true },
      { name: 'desktops only, on a touch screen', args: ['--devices', 'desktop'], device: 'touch', shows: false },
      { name: 'desktops only, on a desktop', args: ['--devices', 'desktop'], device: 'desktop', shows: true },
      // A touch screen wider than a tablet's counts as a desktop (Chromium sets the screen's size).
      ...(engineName === 'chromium' ? [
        { name: 'touch only, on a wide touch screen', args: ['--devices', 'touch'], device: 'wide touch', shows: false },
        { name: 'desktops only, on a wide touch screen', args: ['--devices', 'desktop'], device: 'wide touch', shows: true },
      ] : []),
      // The visitor's own clock: 10:00 to 12:00 where the browser is, 14 hours ahead of UTC.
      { name: 'in the visitor\'s time', args: ['--from', '2030-06-01T10:00', '--until', '2030-06-01T12:00'], at: '2030-05-31T20:30:00Z', zone: true, shows: true },
      { name: 'outside the visitor\'s time', args: ['--from', '2030-06-01T10:00', '--until', '2030-06-01T12:00'], at: '2030-06-01T10:30:00Z', zone: true, shows: false },
    ];

    test('schedule and devices: shown only in its time and on its devices, nothing stored otherwise', async () => {
      const others = {};
      const browserFor = async (c) => {
        const kind = c.zone ? 'zone' : engineName === 'firefox' && c.device === 'touch' ? 'touch' : null;
        if (!kind) return browser;
        others[kind] ||= await engine.launch(kind === 'zone' ? { timeZone: 'Pacific/Kiritimati' } : { touch: true });
        return others[kind];
      };
      try {
        let i = 0;
        for (const c of audienceCases) {
          const s = makeSite(`${engineName}-audience-${i++}`, [...oncePerSession, ...c.args]);
          const into = await browserFor(c);
          const viewport = c.device === 'wide touch' ? { width: 1280, height: 1100 } : c.device === 'touch' ? { width: 400, height: 700 } : desktop;
          const { ctx, page, printed } = await open(s.http, {
            into, viewport, touch: engineName === 'chromium' && /touch/.test(c.device || ''),
            init: c.at ? [setClock, Date.parse(c.at)] : undefined,
          });
          if (c.shows) await shown(page);
          else await notShown(page, 800);
          const stored = await page.evaluate(() => [document.cookie, sessionStorage.length, localStorage.length]);
          if (c.shows) assert.match(stored[0], /Cookie_ID_\d+=1/, `${c.name}: not marked as seen`);
          else assert.deepEqual([stored, await ctx.cookies()], [['', 0, 0], []], `${c.name}: something stored`);
          assert.deepEqual(printed, [], c.name);
          await ctx.close();
        }
      } finally {
        for (const other of Object.values(others)) await other.close();
      }
    });

    test('a phone shows the popup at its size on a page without a viewport tag', async () => {
      const s = makeSite(`${engineName}-no-viewport`, plain);
      const phone = engineName === 'firefox' ? await engine.launch({ touch: true, phone: true }) : browser;
      try {
        // Firefox laid out as a phone opens further tabs only very slowly: its first tab serves.
        const { ctx, page, printed } = engineName === 'firefox' ? await open(s.http, { use: (await phone.pages())[0] })
          : await open(s.http, { touch: true, viewport: { width: 360, height: 640, deviceScaleFactor: 2 } });
        assert.ok(await page.evaluate(() => visualViewport.scale < 0.9), 'the page is not laid out as on a phone');
        await shown(page);
        const onScreen = await page.evaluate(() => {
          const r = document.querySelector('[role="dialog"]').getBoundingClientRect();
          const v = window.visualViewport;
          return { width: r.width * v.scale, left: (r.left - v.offsetLeft) * v.scale, screen: v.width * v.scale,
            screenHeight: v.height * v.scale };
        });
        // Its own 300 pixels on the screen, or less where the screen is smaller.
        near(onScreen.width, Math.min(300, onScreen.screen, onScreen.screenHeight), `width on the screen ${JSON.stringify(onScreen)}`, 2);
        assert.ok(onScreen.left >= 0 && onScreen.left + onScreen.width <= onScreen.screen + 1, JSON.stringify(onScreen));
        assert.deepEqual(printed, []);
        if (phone === browser) await ctx.close();
      } finally {
        if (phone !== browser) await phone.close();
      }
    });

    test('phone-sized window with a backdrop (the README picture)', async () => {
      const s = makeSite(`${engineName}-phone`, ['--size', '400', '--template', path.join(content, 'Templates', '1.png'),
        '--close-button', path.join(content, 'CloseButtons', '1.png'), '--close-scale', '1.5', '--close-at', '326,26',
        '--url', 'target.htm', '--every-time', '--text', 'Summer sale!|Half price today', '--text-at', '30,30',
        '--font-size', '20', '--bold', '--backdrop', '000000,60', '--entrance', 'zoom']);
      const { ctx, page, printed } = await open(s.http, { viewport: { width: 360, height: 640, deviceScaleFactor: 2 } });
      const popup = await shown(page);
      near(popup.width, await page.evaluate(() => document.documentElement.clientWidth), 'width', 1);
      if (screenshots) await page.screenshot({ path: path.join(screenshots, `popup-${engineName}-phone.png`) });
      assert.deepEqual(printed, []);
      await ctx.close();
    });
  });
}

