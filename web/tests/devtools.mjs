// Headless Chromium driven through its DevTools protocol, with node's own
// WebSocket: a fresh profile, loopback only, no network services of its own.
import { spawn } from "node:child_process";
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";

export async function launchChromium() {
  const profile = mkdtempSync(join(tmpdir(), "tellvane-chromium-"));
  const chromium = spawn(process.env.CHROMIUM || "/usr/bin/chromium", [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--remote-debugging-address=127.0.0.1", "--remote-debugging-port=0", `--user-data-dir=${profile}`,
    "about:blank",
  ], { stdio: ["ignore", "ignore", "pipe"], detached: true });
  const url = await new Promise((resolve, reject) => {
    let text = "";
    const timer = setTimeout(() => reject(new Error("Chromium did not start: " + text)), 20000);
    chromium.stderr.on("data", (d) => {
      text += d;
      const m = text.match(/DevTools listening on (ws:\/\/\S+)/);
      if (m) { clearTimeout(timer); resolve(m[1]); }
    });
    chromium.once("exit", (code) => reject(new Error(`Chromium exited (${code}): ${text}`)));
  });
  const browser = await connect(url);
  const exited = new Promise((resolve) => chromium.on("exit", resolve));
  browser.close = async () => {
    browser.socket.close();
    process.kill(-chromium.pid); // its helper processes too
    await exited;
    // Helpers may still be leaving their files: a few tries, then leave it to the
    // system's cleaning of the temporary folder.
    for (let i = 0; i < 10; ++i) {
      try {
        rmSync(profile, { recursive: true, force: true });
        break;
      } catch (e) {
        await new Promise((r) => setTimeout(r, 100));
      }
    }
  };
  return browser;
}

async function connect(url) {
  const socket = new WebSocket(url);
  await new Promise((resolve, reject) => { socket.onopen = resolve; socket.onerror = reject; });
  let next = 1;
  const waiting = new Map();
  const listeners = [];
  socket.onmessage = (event) => {
    const m = JSON.parse(event.data);
    if (m.id && waiting.has(m.id)) {
      const { resolve, reject } = waiting.get(m.id);
      waiting.delete(m.id);
      if (m.error) reject(new Error(m.error.message)); else resolve(m.result);
    } else if (m.method) {
      for (const l of listeners) l(m);
    }
  };
  const send = (method, params = {}, sessionId) => new Promise((resolve, reject) => {
    const id = next++;
    waiting.set(id, { resolve, reject });
    socket.send(JSON.stringify({ id, method, params, sessionId }));
  });
  return { socket, send, listeners };
}

// A page of the browser: its own session.
export async function openPage(browser, url, width, height) {
  const { targetId } = await browser.send("Target.createTarget", { url: "about:blank" });
  const { sessionId } = await browser.send("Target.attachToTarget", { targetId, flatten: true });
  const send = (method, params) => browser.send(method, params, sessionId);
  const downloads = [];
  await send("Page.enable");
  await send("Runtime.enable");
  await send("Emulation.setDeviceMetricsOverride", { width, height, deviceScaleFactor: 1, mobile: false });
  const page = {
    send,
    async evaluate(expression) {
      const r = await send("Runtime.evaluate", { expression, awaitPromise: true, returnByValue: true });
      if (r.exceptionDetails) throw new Error(`${expression}: ${JSON.stringify(r.exceptionDetails)}`);
      return r.result.value;
    },
    async until(expression, what, ms = 10000) {
      const end = Date.now() + ms;
      for (;;) {
        const v = await page.evaluate(expression);
        if (v) return v;
        if (Date.now() > end) throw new Error("timed out waiting for " + what);
        await new Promise((r) => setTimeout(r, 20));
      }
    },
    async setFiles(selector, files) {
      const { root } = await send("DOM.getDocument", {});
      const { nodeId } = await send("DOM.querySelector", { nodeId: root.nodeId, selector });
      await send("DOM.setFileInputFiles", { nodeId, files });
    },
    downloads,
  };
  const loaded = new Promise((resolve) => browser.listeners.push((m) => {
    if (m.sessionId === sessionId && m.method === "Page.loadEventFired") resolve();
  }));
  await send("Page.navigate", { url });
  await loaded;
  return page;
}
