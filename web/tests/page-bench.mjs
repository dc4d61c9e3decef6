// Speed and size of the page on a local server in headless Chromium: module size,
// page ready (module and font) cold and with the browser's cache, the first draw
// after a year is chosen, a redraw on resize, and the plotted page's module: its
// size and the time to the first PDF. Medians of repeated runs.
//
// node --experimental-websocket page-bench.mjs SITE DATAFILE...
import { statSync } from "node:fs";
import { join, resolve } from "node:path";
import { gzipSync } from "node:zlib";
import { readFileSync } from "node:fs";
import { launchChromium, openPage } from "./devtools.mjs";
import { serve } from "./server.mjs";

const [site, ...files] = process.argv.slice(2);
const data = files.map((f) => resolve(f));
const median = (xs) => xs.slice().sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const kb = (bytes) => (bytes / 1024).toFixed(0) + " KB";

const wasm = join(site, "tellvane.wasm");
const glue = join(site, "tellvane.js");
console.log(`module: ${kb(statSync(wasm).size)} wasm (${kb(gzipSync(readFileSync(wasm)).length)} gzipped), ` +
            `${kb(statSync(glue).size)} JavaScript`);
console.log(`font: ${kb(statSync(join(site, "fonts/ipag-subset.woff2")).size)} WOFF2`);
const pageWasm = join(site, "tellvane-page.wasm");
const pageFont = join(site, "fonts/ipag.ttf");
console.log(`plotted page's module: ${kb(statSync(pageWasm).size)} wasm (${kb(gzipSync(readFileSync(pageWasm)).length)} gzipped), ` +
            `${kb(statSync(join(site, "tellvane-page.js")).size)} JavaScript; its face ${kb(statSync(pageFont).size)} TTF ` +
            `(${kb(gzipSync(readFileSync(pageFont)).length)} gzipped)`);

const server = await serve(site);
const browser = await launchChromium();
const page = await openPage(browser, "about:blank", 1280, 1000);
const ready = [], parts = [];
for (let run = 0; run < 6; ++run) {
  // The first load is cold; later ones find module and font in the browser's cache.
  await page.send("Page.navigate", { url: `${server.origin}/?run=${run}` });
  await page.until("window.tellvaneReady !== undefined", "the page's script");
  ready.push(await page.evaluate("window.tellvaneReady.then(() => performance.now())"));
  parts.push(await page.evaluate(`["tellvane-module", "tellvane-font"].map((m) => performance.getEntriesByName(m)[0].startTime)`));
}
console.log(`page ready: ${ready[0].toFixed(0)} ms cold, ${median(ready.slice(1)).toFixed(0)} ms cached (median of 5)`);
console.log(`  of which module running: ${parts[0][0].toFixed(0)} ms cold, ${median(parts.slice(1).map((p) => p[0])).toFixed(0)} ms cached;` +
            ` font loaded: ${parts[0][1].toFixed(0)} ms cold, ${median(parts.slice(1).map((p) => p[1])).toFixed(0)} ms cached`);

await page.evaluate(`(() => { const a = document.getElementById("chart-area");
  a.style.flex = "none"; a.style.width = "1024px"; a.style.height = "768px"; })()`);
await page.until(`window.tellvanePage.canvas.width === 1024`, "the chart's size");
await page.setFiles("#data-files", data);
await page.until(`!document.getElementById("save-png").disabled || document.getElementById("message").textContent`, "the first chart");
const answer = await page.evaluate(`document.getElementById("message").textContent`);
if (answer) throw new Error(answer);
const times = await page.evaluate(`(() => {
  const p = window.tellvanePage;
  const station = document.getElementById("station").value;
  const year = Number(document.getElementById("year").value);
  const kind = document.getElementById("kind").value;
  const first = [], redraw = [];
  for (let i = 0; i < 21; ++i) {
    let t = performance.now();
    p.chart.choose(station, year, kind);
    first.push(performance.now() - t);
    t = performance.now();
    p.chart.resize(1024 - (i % 2) * 40, 768 - (i % 2) * 30);
    redraw.push(performance.now() - t);
  }
  // The canvas finishes its work when the frame is made: one read of its pixels
  // waits for that, and is timed with the last redraw.
  const t = performance.now();
  p.chart.resize(1024, 768);
  document.getElementById("chart").getContext("2d").getImageData(0, 0, 1, 1);
  const flushed = performance.now() - t;
  return { first, redraw, flushed };
})()`);
console.log(`first draw after the year is chosen: ${median(times.first).toFixed(1)} ms (median of 21)`);
console.log(`redraw on resize: ${median(times.redraw).toFixed(1)} ms (median of 21); ` +
            `with the canvas flushed: ${times.flushed.toFixed(1)} ms`);

// The plotted page: the first PDF fetches its module and face (cold here: this
// page has not asked for them before), later ones only write.
const pdf = await page.evaluate(`(async () => {
  const p = window.tellvanePage;
  let t = performance.now();
  const first = (await p.plottedPage("pdf")).size;
  const cold = performance.now() - t;
  const again = [];
  for (let i = 0; i < 7; ++i) {
    t = performance.now();
    await p.plottedPage("pdf");
    again.push(performance.now() - t);
  }
  return { first, cold, again };
})()`);
console.log(`first PDF in the page (module and face fetched): ${pdf.cold.toFixed(0)} ms for ${kb(pdf.first)}; ` +
            `each later PDF: ${median(pdf.again).toFixed(1)} ms (median of 7)`);
await browser.close();
server.close();
