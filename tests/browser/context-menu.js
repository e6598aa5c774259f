// ravlet's two context-menu entries in a real Chromium: the extension loaded from the build,
// the host manifest that the registration wrote, a page of a loopback server, and a
// recording stand-in for ravlet in the program folder.
//   node context-menu.js BUILD_DIR CHROMIUM [SCREENSHOT.png]
"use strict";

const { chromium } = require(process.env.PLAYWRIGHT_CORE || "playwright-core");
const assert = require("node:assert/strict");
const { execFileSync, spawnSync } = require("node:child_process");
const fs = require("node:fs");
const http = require("node:http");
const os = require("node:os");
const path = require("node:path");

const [build, chromiumPath, screenshot] = process.argv.slice(2);
const home = fs.mkdtempSync(path.join(os.tmpdir(), "ravlet-browser-"));
const config = path.join(home, "config");
const env = { ...process.env, RAVLET_HOME: home, HOME: home, XDG_CONFIG_HOME: config };

const PAGE = `<!doctype html><html><head><title>ravlet menu test</title><style>body{margin:16px 120px;font-family:sans-serif}</style></head><body>
<h1 id="top">Files</h1>
<div id="picked"><a href="one.zip">one</a> and <a href="sub/two.png"><img src="two-small.png" alt="two"></a></div>
<p id="other"><a href="three.html">three</a></p>
</body></html>`;

function sleep(ms) {
  return new Promise((resolve) => setTimeout(resolve, ms));
}

// The lines the stand-in recorded, once it has run (20 s at most).
async function started() {
  const file = path.join(home, "started");
  for (let i = 0; i < 400; i++) {
    if (fs.existsSync(file)) {
      const lines = fs.readFileSync(file, "utf8").split("\n").filter((l) => l !== "");
      fs.unlinkSync(file);
      return lines;
    }
    await sleep(50);
  }
  throw new Error("ravlet was not started");
}

async function waitForFile(file) {
  for (let i = 0; i < 400 && !fs.existsSync(file); i++) await sleep(50);
  assert.ok(fs.existsSync(file), file + " was not written");
}

async function main() {
  fs.writeFileSync(
    path.join(home, "ravlet"),
    '#!/bin/sh\nd=$(dirname "$0")\nfor a in "$@"; do printf \'[%s]\\n\' "$a"; done > "$d/started.tmp"\nmv "$d/started.tmp" "$d/started"\n',
    { mode: 0o755 }
  );
  const on = spawnSync(path.join(build, "ravlet-cli"), ["integration", "on"], { env, encoding: "utf8" });
  assert.equal(on.status, 0, on.stdout + on.stderr);
  assert.match(on.stdout, /^Integration succesfull\n/);
  const manifest = path.join(config, "chromium", "NativeMessagingHosts", "net.ravlet.rvbx.json");
  await waitForFile(manifest);

  const server = http.createServer((req, res) => {
    res.writeHead(200, { "Content-Type": "text/html" });
    res.end(PAGE);
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  const address = `http://127.0.0.1:${server.address().port}/files/page.html`;

  const extension = path.join(build, "rvbx-extension");
  const headless = !process.env.DISPLAY;
  const context = await chromium.launchPersistentContext(path.join(config, "chromium"), {
    executablePath: chromiumPath,
    headless,
    env,
    args: [
      `--disable-extensions-except=${extension}`,
      `--load-extension=${extension}`,
      "--disable-features=DisableLoadExtensionCommandLineSwitch",
      "--no-first-run",
      "--test-type",
    ],
    viewport: { width: 900, height: 500 },
  });
  try {
    let [worker] = context.serviceWorkers();
    if (!worker) worker = await context.waitForEvent("serviceworker", { timeout: 30000 });
    assert.ok(worker.url().startsWith("chrome-extension://lknceoohgaeghmknbaeclfkgoegocemk/"), worker.url());

    const page = context.pages()[0] || (await context.newPage());
    await page.goto(address);
    const box = await page.locator("#picked a").first().boundingBox();
    const expected = await page.evaluate(() => {
      const picked = document.getElementById("picked");
      const range = document.createRange();
      range.selectNodeContents(picked);
      window.getSelection().removeAllRanges();
      window.getSelection().addRange(range);
      return picked.innerHTML;
    });
    await page.mouse.click(box.x + 5, box.y + 5, { button: "right" });
    if (screenshot) {
      await sleep(1500);
      execFileSync("python3", [path.join(__dirname, "..", "..", "scripts", "xshot.py"), "shot", "-", screenshot]);
      await page.keyboard.press("Escape");
    }
    const tabId = await worker.evaluate(async (url) => (await chrome.tabs.query({ url }))[0].id, address);
    const click = (menuItemId) =>
      worker.evaluate(({ menuItemId, tabId }) => globalThis.ravletMenuClicked({ menuItemId, frameId: 0 }, { id: tabId }), {
        menuItemId,
        tabId,
      });

    assert.deepEqual(await click("ravlet-page"), { ok: true });
    assert.deepEqual(await started(), [`[${address}]`]);
    assert.ok(!fs.existsSync(path.join(home, "ravlet.l00")));

    assert.deepEqual(await click("ravlet-selection"), { ok: true });
    assert.deepEqual(await started(), [`[/u:${address}/s:ravlet.l00]`]);
    assert.equal(fs.readFileSync(path.join(home, "ravlet.l00"), "utf8"), expected + "\r\n");
    console.log("context-menu entries: page and selection handed to ravlet");
  } finally {
    await context.close();
    server.close();
    if (!process.env.RAVLET_KEEP) fs.rmSync(home, { recursive: true, force: true });
  }
}

main().catch((e) => {
  console.error(e);
  process.exit(1);
});
