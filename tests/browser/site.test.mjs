// A popup published to a whole site by "vantelle-pro publish", in two real browsers: pages at
// depth 0, 1 and 3, served over http below a path of the host, each find the one popup folder
// and show the popup; "vantelle-pro takedown" then gives every page back byte for byte.

import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';

const program = process.env.VANTELLE_PRO;
const content = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..', '..', 'content');
const only = process.env.VANTELLE_BROWSERS ? process.env.VANTELLE_BROWSERS.split(',') : null;
const types = { '.html': 'text/html', '.htm': 'text/html', '.js': 'text/javascript', '.png': 'image/png', '.gif': 'image/gif' };
const mount = '/deploy/www'; // the site is served below a path of the host

// The site: LF and CR LF pages, a byte-order mark, odd body tags, three folders deep.
const pages = {
  'index.html': '<!DOCTYPE html>\n<html><head><title>Home</title></head><body>\n<h1>Home</h1>\n</body></html>\n',
  'shop/index.htm': '\uFEFF<!DOCTYPE html>\r\n<html><head><title>Shop</title></head>\r\n<BODY class="x>y">\r\n<p>Shop</p>\r\n</BODY></html>\r\n',
  'shop/a/b/deep.html': '<!DOCTYPE html>\n<html><!-- <body> --><body data-x=\'<body>\'>\n<p>Deep</p>\n</body></html>\n',
};
let root;
let site;
let server;
let base;
let published;

function run(args) {
  const env = { ...process.env };
  delete env.DISPLAY;
  delete env.QT_QPA_PLATFORM;
  try {
    return { status: 0, out: execFileSync(program, args, { env, stdio: ['ignore', 'pipe', 'pipe'] }).toString() };
  } catch (error) {
    return { status: error.status, out: String(error.stdout) };
  }
}

before(() => {
  assert.ok(program, 'VANTELLE_PRO names the program');
  root = fs.mkdtempSync(path.join(os.tmpdir(), 'vantelle-site-'));
  site = path.join(root, 'site');
  for (const [page, text] of Object.entries(pages)) {
    fs.mkdirSync(path.dirname(path.join(site, page)), { recursive: true });
    fs.writeFileSync(path.join(site, page), text);
  }
  const design = path.join(root, 'Summer sale.vpopup');
  const template = fs.readFileSync(path.join(content, 'Templates', '1.png')).toString('base64');
  fs.writeFileSync(design, JSON.stringify({ format: 1, documentSize: 300, template }));
  const result = run(['publish', design, '--site', site, '--json']);
  assert.equal(result.status, 0, result.out);
  published = JSON.parse(result.out);
  server = http.createServer((request, response) => {
    const url = new URL(request.url, 'http://127.0.0.1');
    const name = decodeURIComponent(url.pathname);
    const file = path.join(site, name.slice(mount.length));
    if (!name.startsWith(mount + '/') || !file.startsWith(site) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404);
      response.end();
      return;
    }
    response.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream' });
    response.end(fs.readFileSync(file));
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', resolve)).then(() => {
    base = `http://127.0.0.1:${server.address().port}${mount}`;
  });
});

after(() => {
  server?.close();
  if (root) fs.rmSync(root, { recursive: true, force: true });
});

test('publish names every page it added, with one popup folder for the site', () => {
  assert.deepEqual(published.pages.map((p) => [p.page, p.action]),
    [['index.html', 'added'], ['shop/index.htm', 'added'], ['shop/a/b/deep.html', 'added']]);
  assert.equal(published.popupFolder, path.join(fs.realpathSync(site), 'popup', 'Summer sale'));
  for (const file of ['logo.png', 'script.js', 'pix.gif'])
    assert.ok(fs.existsSync(path.join(published.popupFolder, file)), file);
});

const engines = {
  chromium: () => puppeteer.launch({
    browser: 'chrome',
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--disable-gpu', '--no-first-run', ...(process.getuid() === 0 ? ['--no-sandbox'] : [])],
  }),
  firefox: () => puppeteer.launch({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true }),
};

for (const [engineName, launch] of Object.entries(engines)) {
  if (only && !only.includes(engineName)) continue;
  describe(engineName, () => {
    let browser;
    before(async () => { browser = await launch(); });
    after(async () => { await browser?.close(); });

    for (const page of Object.keys(pages)) {
      test(`${page} (depth ${page.split('/').length - 1}) shows the popup from the site's popup folder`, async () => {
        const context = await browser.createBrowserContext();
        const tab = await context.newPage();
        await tab.setViewport({ width: 800, height: 600 });
        const errors = [];
        const failed = [];
        tab.on('pageerror', (error) => errors.push(error.message));
        const ours = (url) => !url.endsWith('/favicon.ico');
        tab.on('requestfailed', (request) => { if (ours(request.url())) failed.push(request.url()); });
        tab.on('response', (response) => {
          if (response.status() >= 400 && ours(response.url())) failed.push(response.url());
        });
        await tab.goto(`${base}/${encodeURI(page)}`, { waitUntil: 'load' });
        await tab.waitForFunction(() => {
          const dialog = document.querySelector('[role="dialog"]');
          const img = dialog && dialog.querySelector('img');
          return img && img.complete && img.naturalWidth > 0;
        }, { timeout: 5000, polling: 50 });
        const picture = await tab.$eval('[role="dialog"] img', (img) => img.src);
        assert.match(picture, new RegExp(`^${base}/popup/Summer%20sale/logo(@2x)?\\.png$`));
        const box = await (await tab.$('[role="dialog"]')).boundingBox();
        assert.ok(box.width > 100 && box.height > 100, JSON.stringify(box));
        assert.deepEqual(errors, []);
        assert.deepEqual(failed, []);
        await context.close();
      });
    }
  });
}

test('take down gives every page back byte for byte', { concurrency: false }, () => {
  const result = run(['takedown', path.join(root, 'Summer sale.vpopup'), '--site', site, '--json']);
  assert.equal(result.status, 0, result.out);
  assert.equal(JSON.parse(result.out).counts.removed, 3);
  for (const [page, text] of Object.entries(pages))
    assert.ok(fs.readFileSync(path.join(site, page)).equals(Buffer.from(text)), page);
  assert.ok(!fs.existsSync(path.join(site, 'popup')));
});
