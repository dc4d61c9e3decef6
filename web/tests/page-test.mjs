// The page in real headless Chromium: the samples drawn with the native PNG's
// pixels wherever no text is, their plotted pages downloaded as the command line's
// PDF bytes and as SVG holding its texts, bad input reported in the page with the
// chart left as it was, a second load replacing the first, and no request but the
// page's own.
//
// The record view of several years and of a download folder: its tables hold the
// command line's record; its CSV, its workbook and the yearbook are the command
// line's bytes; its comparison canvas has `tellvane compare`'s pixels wherever no
// text is, or, with one year, the view says there is nothing to compare against.
//
// node --experimental-websocket page-test.mjs SITE CASES.json WORK [RECORDS.json]
// CASES.json: [{"name", "files": [paths], "kind", "png", "pdf", "stats": the command
// line's output, "stem": the name the page gives the downloads}] drawn at 1024x768.
// RECORDS.json: [{"name", "files": [paths] or "folder", "catalogue": path or null,
// "dir": holding record.json, .csv, .xlsx and book.pdf, "csv": the CSV's name,
// "compare": {"year", "png": the command line's comparison at 800x500} or null}].
import { execFileSync } from "node:child_process";
import { readFileSync, writeFileSync, mkdirSync, truncateSync, openSync, closeSync, rmSync } from "node:fs";
import { join } from "node:path";
import { launchChromium, openPage } from "./devtools.mjs";
import { serve } from "./server.mjs";

const [site, casesFile, work, recordsFile] = process.argv.slice(2);
const samplesDir = new URL("../../samples/", import.meta.url).pathname;
const cases = JSON.parse(readFileSync(casesFile, "utf8"));
mkdirSync(work, { recursive: true });

const extras = {};
cases.forEach((c, i) => (extras[`/__test/native${i}.png`] = c.png));
const records = recordsFile ? JSON.parse(readFileSync(recordsFile, "utf8")) : [];
records.forEach((r, i) => r.compare && (extras[`/__test/compare${i}.png`] = r.compare.png));
const server = await serve(site, extras);
const browser = await launchChromium();
let passed = 0, failed = 0;

async function check(name, body) {
  try {
    await body();
    ++passed;
    console.log(`ok - ${name}`);
  } catch (e) {
    ++failed;
    console.log(`not ok - ${name}\n    ${e.message.split("\n").join("\n    ")}`);
  }
}

function expect(condition, message) {
  if (!condition) throw new Error(message);
}

const page = await openPage(browser, `${server.origin}/`, 1280, 1000);
const networkRequests = [];
browser.listeners.push((m) => { if (m.method === "Network.requestWillBeSent") networkRequests.push(m.params.request.url); });
await page.send("Network.enable");
await page.evaluate("window.tellvaneReady");
await page.evaluate(`(() => { const a = document.getElementById("chart-area");
  a.style.flex = "none"; a.style.width = "1024px"; a.style.height = "768px"; })()`);
await page.until(`window.tellvanePage.canvas.width === 1024`, "the chart area's size");

const message = () => page.evaluate(`document.getElementById("message").textContent`);
const writing = await page.evaluate(`LABELS[language].writing`);

// Downloads land in a folder of the test's under the name the page gave them.
const downloadFolder = join(work, "downloads");
mkdirSync(downloadFolder, { recursive: true });
const downloads = new Map();
browser.listeners.push((m) => {
  if (m.method === "Browser.downloadWillBegin") downloads.set(m.params.guid, { name: m.params.suggestedFilename });
  if (m.method === "Browser.downloadProgress" && downloads.has(m.params.guid)) downloads.get(m.params.guid).state = m.params.state;
});
await browser.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: downloadFolder, eventsEnabled: true });

// Clicks the button and answers the file it downloads: {name, bytes}.
async function downloadFrom(button) {
  const before = new Set(downloads.keys());
  await page.evaluate(`document.getElementById("${button}").click()`);
  const end = Date.now() + 30000;
  for (;;) {
    const done = [...downloads].find(([guid, d]) => !before.has(guid) && d.state === "completed");
    if (done) {
      const path = join(downloadFolder, done[1].name);
      const bytes = readFileSync(path);
      rmSync(path);
      return { name: done[1].name, bytes };
    }
    const m = await message();
    if (m !== "" && m !== writing) throw new Error(`message: ${m}`);
    if (Date.now() > end) throw new Error(`nothing downloaded from ${button}`);
    await new Promise((r) => setTimeout(r, 20));
  }
}
const picture = () => page.evaluate(`window.tellvanePage.canvas.picture().toDataURL()`);
const stationsListed = () => page.evaluate(`Array.from(document.getElementById("station").options).map(o => o.value)`);

// Loads files through the file input as a user picks them; waits for the page's answer.
// The browser raises no change event when the input is given the files it holds
// already, where a user picking them again would: the test raises it then.
await page.evaluate(`window.testChanges = 0; document.addEventListener("change", () => ++window.testChanges, true)`);
async function pick(files, selector = "#data-files") {
  await page.evaluate(`document.getElementById("message").textContent = "…"; window.tellvaneAnswered = false`);
  const changes = await page.evaluate("window.testChanges");
  await page.setFiles(selector, files);
  try {
    await page.until(`window.testChanges > ${changes}`, "a change event", 300);
  } catch {
    await page.evaluate(`document.querySelector("${selector}").dispatchEvent(new Event("change", { bubbles: true }))`);
  }
  await page.until(`document.getElementById("message").textContent !== "…" &&
                    document.getElementById("message").textContent !== LABELS[language].loading`, "the page's answer");
}

// A chart drawn again without texts, against a native PNG: pixels outside the
// texts' boxes must be equal. A box is widened by 3 pixels for the other
// rasteriser's glyph edges, and to the right by stretch times its width more where
// a chart has long lines of half-width characters: that rasteriser sets each
// glyph's advance on whole pixels, so such a line ends a few pixels further.
// canvas names the page's ChartCanvas (p is window.tellvanePage), redraw draws on it.
const compareWithPng = (canvas, redraw, url, stretch = 0) => page.evaluate(`(async () => {
  const p = window.tellvanePage;
  const chart = ${canvas};
  chart.drawTexts = false;
  ${redraw};
  chart.drawTexts = true;
  const boxes = chart.textBoxes.slice();
  const image = new Image();
  image.src = "${url}";
  await image.decode();
  const c = document.createElement("canvas");
  c.width = image.width; c.height = image.height;
  const cx = c.getContext("2d");
  cx.drawImage(image, 0, 0);
  const native = cx.getImageData(0, 0, c.width, c.height).data;
  const drawn = chart.pixels();
  if (c.width !== chart.width || c.height !== chart.height) return { size: [c.width, c.height, chart.width, chart.height] };
  const masked = new Uint8Array(c.width * c.height);
  for (const [x, y, w, h] of boxes)
    for (let j = Math.max(0, y - 3); j < Math.min(c.height, y + h + 3); ++j)
      for (let k = Math.max(0, x - 3); k < Math.min(c.width, x + w * ${1 + stretch} + 3); ++k) masked[j * c.width + k] = 1;
  let differ = 0, hidden = 0, first = [];
  for (let n = 0; n < masked.length; ++n) {
    if (masked[n]) { ++hidden; continue; }
    if (native[4*n] !== drawn[4*n] || native[4*n+1] !== drawn[4*n+1] || native[4*n+2] !== drawn[4*n+2]) {
      if (++differ <= 5) first.push([n % c.width, Math.floor(n / c.width), native[4*n], native[4*n+1], native[4*n+2], drawn[4*n], drawn[4*n+1], drawn[4*n+2]]);
    }
  }
  ${redraw};
  return { differ, hidden, total: masked.length, texts: boxes.length, first };
})()`);
const compareWithNative = (i) => compareWithPng("p.canvas", "p.chart.resize(1024, 768)", `/__test/native${i}.png`);
const expectSamePixels = (r) => {
  expect(!r.size, `sizes differ: ${JSON.stringify(r.size)}`);
  expect(r.texts > 20, `only ${r.texts} texts`);
  expect(r.hidden < r.total / 5, `texts cover ${r.hidden} of ${r.total} pixels`);
  expect(r.differ === 0, `${r.differ} pixels differ, first ${JSON.stringify(r.first)}`);
};

// The plotted page's face missing on the server: the page says so and keeps its
// chart; the first case's PDF check that follows fetches it again.
async function checkMissingFace() {
  await check("a plotted page whose face cannot be fetched is reported, the chart kept", async () => {
    extras["/fonts/ipag.ttf"] = join(work, "no-such-face.ttf");
    const before = await picture();
    await page.evaluate(`document.getElementById("save-pdf").click()`);
    await page.until(`document.getElementById("message").textContent !== ${JSON.stringify(writing)}`, "the page's answer");
    delete extras["/fonts/ipag.ttf"];
    const m = await message();
    expect(m === "fonts/ipag.ttf: could not be loaded (404)", `message: ${m}`);
    expect((await picture()) === before, "the chart changed");
  });
}

for (const [i, c] of cases.entries()) {
  await check(`${c.name}: the chart's pixels outside its texts equal the native PNG's`, async () => {
    await page.evaluate(`document.getElementById("kind").value = "${c.kind}"`);
    await pick(c.files);
    expect((await message()) === "", `message: ${await message()}`);
    expectSamePixels(await compareWithNative(i));
  });
  await check(`${c.name}: the numbers as JSON are the command line's stats, byte for byte`, async () => {
    const json = await page.evaluate("window.tellvanePage.statsText()");
    const native = readFileSync(c.stats, "utf8");
    expect(json === native, `page:\n${json.slice(0, 300)}\ncommand line:\n${native.slice(0, 300)}`);
  });
  if (i === 0) await checkMissingFace();
  await check(`${c.name}: the PDF is the command line's, byte for byte, under its name`, async () => {
    const { name, bytes } = await downloadFrom("save-pdf");
    const native = readFileSync(c.pdf);
    expect(name === `${c.stem}.pdf`, `named ${name}, not ${c.stem}.pdf`);
    const at = bytes.findIndex((b, n) => b !== native[n]);
    expect(bytes.equals(native), `${bytes.length} bytes against ${native.length}, first difference at ${at}`);
  });
  await check(`${c.name}: the SVG parses and holds every text of the PDF`, async () => {
    const { name, bytes } = await downloadFrom("save-svg");
    expect(name === `${c.stem}.svg`, `named ${name}, not ${c.stem}.svg`);
    const svg = bytes.toString("utf8");
    const texts = await page.evaluate(`(() => {
      const d = new DOMParser().parseFromString(${JSON.stringify(svg)}, "image/svg+xml");
      if (d.querySelector("parsererror") || d.documentElement.localName !== "svg") return null;
      return Array.from(d.querySelectorAll("text"), (t) => t.textContent).join("");
    })()`);
    expect(texts !== null, "not an SVG document");
    const compact = texts.replace(/[\s\u3000]/g, "");
    const words = execFileSync("pdftotext", ["-raw", "-enc", "UTF-8", c.pdf, "-"], { encoding: "utf8" }).split(/[\s\u3000]+/).filter(Boolean);
    const missing = words.filter((w) => !compact.includes(w));
    expect(words.length > 50 && missing.length === 0, `${words.length} words, missing ${missing.slice(0, 10)}`);
  });
}

await check("the plotted page takes the axis limits applied to the chart", async () => {
  const last = cases[cases.length - 1];
  await page.evaluate(`(() => { const max = document.getElementById("max"), min = document.getElementById("min");
    const step = Number(max.value) - Number(min.value);
    max.value = String(Number(max.value) + step); min.value = String(Number(min.value) - step);
    document.getElementById("apply").click(); })()`);
  const limits = await page.evaluate(`[document.getElementById("max").value, document.getElementById("min").value]`);
  const { bytes } = await downloadFrom("save-pdf");
  const pdf = join(work, "limits.pdf");
  writeFileSync(pdf, bytes);
  // The axis's labels come first on the page, up to the months.
  const words = execFileSync("pdftotext", ["-raw", "-enc", "UTF-8", pdf, "-"], { encoding: "utf8" }).split(/\s+/);
  const axis = words.slice(0, words.indexOf("１月")).map(Number);
  expect(!bytes.equals(readFileSync(last.pdf)), "the page is the one without the limits");
  expect(Math.max(...axis) === Number(limits[0]) && Math.min(...axis) === Number(limits[1]),
    `limits ${limits}, the page's axis ${axis}`);
});

// The agency's own download folder (the sample holds its four files in two
// subfolders): hourly month tables with the daily year tables, of both kinds,
// charted as either kind the user picks.
const moshiriFolder = process.env.TELLVANE_DOWNLOAD_FOLDER || join(samplesDir, "moshiri_301011281104010");
const chartName = () => page.evaluate(`document.getElementById("chart").getAttribute("aria-label")`);
const kindPicked = (kind) => page.evaluate(`(() => { const k = document.getElementById("kind");
  k.value = "${kind}"; k.dispatchEvent(new Event("change")); })()`);
await check("the download folder of hourly and daily tables of both kinds charts each kind", async () => {
  await pick([moshiriFolder], "#data-folder");
  expect((await message()) === "", `message: ${await message()}`);
  expect(await page.evaluate(`document.getElementById("kind").options[0].disabled`), "データのとおり offered for both kinds");
  for (const [kind, title] of [["level", "日水位年図"], ["discharge", "日流量年図"]]) {
    await kindPicked(kind);
    expect((await message()) === "", `${kind}: message: ${await message()}`);
    expect((await chartName()).startsWith(title), `${kind}: the canvas is named ${await chartName()}`);
    const stats = JSON.parse(await page.evaluate("window.tellvanePage.statsText()"));
    expect(stats.daysWithData > 31, `${kind}: only ${stats.daysWithData} days, the daily tables left out`);
    expect(await page.evaluate(`document.querySelectorAll("#values-days tr").length === 32`), `${kind}: no table of the days`);
  }
});
await check("a CSV charted as discharge is a 日流量年図", async () => {
  await pick(cases[0].files);
  await kindPicked("discharge");
  expect((await message()) === "", `message: ${await message()}`);
  expect((await chartName()).startsWith("日流量年図"), `the canvas is named ${await chartName()}`);
  expect(JSON.parse(await page.evaluate("window.tellvanePage.statsText()")).mode === "7", "not drawn in discharge mode");
  await kindPicked("");
});
await check("a year of one month's readings says which characteristic values it does not reach", async () => {
  await pick(cases[2].files);
  const warning = await page.evaluate(`document.getElementById("warning").textContent`);
  expect(/31 days; not reached: 豊水/.test(warning), `warning: ${warning}`);
  await pick(cases[0].files);
  expect((await page.evaluate(`document.getElementById("warning").textContent`)) === "", "a full year warned of");
});
await check("a catalogue picked after the data names the station at once", async () => {
  await pick(cases[0].files);
  const before = await stationsListed();
  const label = () => page.evaluate(`document.getElementById("station").selectedOptions[0].textContent`);
  const plain = await label();
  await pick([join(samplesDir, "stations.csv")], "#catalogue");
  expect((await message()) === "", `message: ${await message()}`);
  expect(JSON.stringify(await stationsListed()) === JSON.stringify(before), "the stations changed");
  expect((await label()) !== plain && (await label()).includes(plain), `named ${await label()}, before ${plain}`);
});

// Limits the chart cannot be drawn with: refused beside their fields, the chart kept.
await check("bad axis limits are refused beside their fields and the chart is kept", async () => {
  const before = await picture();
  const rows = [["abc", "0", "max"], ["1,5", "0", "max"], ["１０", "0", "max"], ["0", "10", "max"],
                ["1e300", "0", "max"], ["10", "", "min"], ["", "", "max"]];
  for (const [max, min, refused] of rows) {
    await page.evaluate(`(() => { const max = document.getElementById("max"), min = document.getElementById("min");
      max.value = ${JSON.stringify(max)}; min.value = ${JSON.stringify(min)};
      min.dispatchEvent(new KeyboardEvent("keydown", { key: "Enter", bubbles: true })); })()`);
    const problem = await page.evaluate(`document.getElementById("${refused}-problem").textContent`);
    expect(problem !== "", `${max} / ${min}: nothing said beside ${refused}`);
    expect((await picture()) === before, `${max} / ${min}: the chart changed`);
  }
  await page.evaluate(`(() => { document.getElementById("max").value = "5"; document.getElementById("min").value = "-5";
    document.getElementById("min").dispatchEvent(new KeyboardEvent("keydown", { key: "Enter", bubbles: true })); })()`);
  const said = await page.evaluate(`document.getElementById("max-problem").textContent + document.getElementById("min-problem").textContent`);
  expect(said === "" && (await picture()) !== before, `good limits not applied (${said})`);
});

// The canvas's bitmap is the chart alone, at the chart's size, after every resize.
await check("after any sequence of resizes the canvas's bitmap is the chart at its size", async () => {
  for (const [w, h] of [[1024, 768], [700, 500], [1100, 420], [640, 900], [1024, 768]]) {
    const size = await page.evaluate(`(async () => {
      const a = document.getElementById("chart-area");
      a.style.width = "${w}px"; a.style.height = "${h}px";
      await new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r)));
      const c = document.getElementById("chart"), p = window.tellvanePage.canvas;
      return [c.width, c.height, p.width, p.height, a.clientWidth, a.clientHeight];
    })()`);
    expect(JSON.stringify(size) === JSON.stringify([w, h, w, h, w, h]), `at ${w}x${h}: bitmap, chart, area ${size}`);
  }
});

// Bad input, each leaving the last chart as it was.
const dat = cases.find((c) => c.files.some((f) => f.endsWith(".dat")));
const download = readFileSync(dat.files.find((f) => f.endsWith(".dat")));
const lineStart = (bytes, line) => { let at = 0; for (let l = 1; l < line; ++l) at = bytes.indexOf(0x0a, at) + 1; return at; };
const badSjis = Buffer.from(download);
badSjis[lineStart(badSjis, 12) + 3] = 0x80;
writeFileSync(join(work, "lone80.dat"), badSjis);
const badTrail = Buffer.from(download);
badTrail[lineStart(badTrail, 15) - 3] = 0x81; // a lead byte, then the line's CR LF
writeFileSync(join(work, "badtrail.dat"), badTrail);
writeFileSync(join(work, "truncated.dat"), download.subarray(0, lineStart(download, 15) + 40));
writeFileSync(join(work, "notes.csv"), "hello\nworld\n");
const big = join(work, "enormous.csv");
closeSync(openSync(big, "w"));
truncateSync(big, 40 * 1024 * 1024);
mkdirSync(join(work, "no-data"), { recursive: true });
writeFileSync(join(work, "no-data", "readme.txt"), "nothing here\n");

const bad = [
  ["a lone byte 0x80", [join(work, "lone80.dat")], "lone80.dat:12: the text is not Shift_JIS"],
  ["a lead byte without its trail", [join(work, "badtrail.dat")], "badtrail.dat:14: the text is not Shift_JIS"],
  ["a truncated download", [join(work, "truncated.dat")], /^truncated\.dat:15: \d+ cells, expected/],
  ["a file of no known format", [join(work, "notes.csv")], /^notes\.csv:1: /],
  ["an enormous file", [big], "enormous.csv: is 40.0 MB; the page reads files up to 32 MB"],
];
for (const [what, files, expected] of bad) {
  await check(`${what} is reported with its file and line, the chart kept`, async () => {
    const before = await picture();
    const stationsBefore = await stationsListed();
    await pick(files);
    const m = await message();
    expect(typeof expected === "string" ? m === expected : expected.test(m), `message: ${m}`);
    expect((await picture()) === before, "the chart changed");
    expect(JSON.stringify(await stationsListed()) === JSON.stringify(stationsBefore), "the stations changed");
  });
}
await check("a folder without data files is reported by name, the chart kept", async () => {
  const before = await picture();
  await pick([join(work, "no-data")], "#data-folder");
  const m = await message();
  expect(m === "no-data: the folder holds no .dat or .csv files", `message: ${m}`);
  expect((await picture()) === before, "the chart changed");
});

await check("a second load replaces the first", async () => {
  await pick(cases[0].files);
  const first = await stationsListed();
  const other = cases.find((c) => JSON.stringify(c.files) !== JSON.stringify(cases[0].files));
  const before = await picture();
  await pick(other.files);
  const second = await stationsListed();
  expect(second.length === 1 && !first.includes(second[0]), `stations ${first} then ${second}`);
  expect((await picture()) !== before, "the chart was not drawn again");
});

// The record view's tables as the page shows them: per table its caption, its
// column headers and its rows, each row's heading and cells (text, data-value).
const recordTables = () => page.evaluate(`Array.from(document.querySelectorAll("#record-tables table"), (t) => ({
  station: t.dataset.station, kind: t.dataset.kind, caption: t.caption ? t.caption.textContent : "",
  headers: Array.from(t.tHead.rows[0].cells, (c) => [c.tagName, c.scope, c.textContent]),
  rows: Array.from(t.tBodies, (b) => Array.from(b.rows, (r) => ({
    head: [r.cells[0].tagName, r.cells[0].scope, r.cells[0].textContent],
    cells: Array.from(r.cells).slice(1).map((c) => [c.textContent, c.dataset.value ?? null]) }))).flat() }))`);
// The record's JSON keys by the column the table gives them.
const RECORD_COLUMNS = { 最大: "max", 最大月日: "maxDate", 豊水: "high", 平水: "normal", 低水: "low", 渇水: "drought",
  最小: "min", 最小月日: "minDate", 平均: "mean", 資料日数: "daysWithData", 欠測日数: "missingDays",
  観測時間数: "hoursWithReadings", "総流出量(10⁶m³)": "runoff" };
const sameCell = ([text, value], expected, key) => {
  if (expected === null) return text === "" && value === null;
  if (key.endsWith("Date")) return text === expected;
  if (value !== null) return Number(value) === expected;
  return Number(text) === expected;
};

for (const [n, r] of records.entries()) {
  await check(`${r.name}: the record view's tables hold the command line's record`, async () => {
    if (r.catalogue) await pick([r.catalogue], "#catalogue");
    else await pick([], "#catalogue");
    if (r.folder) await pick([r.folder], "#data-folder");
    else await pick(r.files);
    expect((await message()) === "", `message: ${await message()}`);
    const native = readFileSync(join(r.dir, "record.json"), "utf8").trim().split("\n").map((l) => JSON.parse(l));
    const tables = await recordTables();
    expect(tables.length === native.length, `${tables.length} tables for ${native.length} records`);
    for (const [n, t] of tables.entries()) {
      const rec = native[n];
      const where = `${rec.station} ${rec.kind}`;
      expect(t.station === rec.station && t.kind === rec.kind, `table ${n} is ${t.station} ${t.kind}, not ${where}`);
      expect(t.caption.startsWith(rec.station) && t.caption.includes(rec.names.name), `${where}: caption ${t.caption}`);
      expect(t.headers.every(([tag, scope]) => tag === "TH" && scope === "col"), `${where}: headers ${t.headers}`);
      expect(t.rows.every((row) => row.head[0] === "TH" && row.head[1] === "row"), `${where}: a row without its heading`);
      const names = t.headers.slice(1).map((h) => h[2]);
      for (const y of rec.years) {
        const row = t.rows.find((x) => x.head[2] === String(y.year));
        expect(row, `${where}: no row for ${y.year}`);
        for (const [i, header] of names.entries()) {
          const key = RECORD_COLUMNS[header];
          if (!key || !(key in y)) continue;
          expect(sameCell(row.cells[i], y[key], key), `${where} ${y.year} ${header}: ${row.cells[i]} against ${y[key]}`);
        }
      }
      const mean = t.rows.find((x) => x.head[2] === "期間平均");
      const counted = names.filter((h) => RECORD_COLUMNS[h] && rec.period[RECORD_COLUMNS[h]] !== undefined);
      expect(mean && counted.length === 7, `${where}: period mean row ${JSON.stringify(mean)}, columns ${counted}`);
      for (const h of counted) {
        const i = names.indexOf(h);
        const expected = rec.period[RECORD_COLUMNS[h]] === null ? null : rec.period[RECORD_COLUMNS[h]].mean;
        expect(sameCell(mean.cells[i], expected, h), `${where} 期間平均 ${h}: ${mean.cells[i]} against ${expected}`);
      }
    }
  });
  await check(`${r.name}: the comparison canvas is \`tellvane compare\`'s picture, or says there is nothing to compare`, async () => {
    const view = () => page.evaluate(`(() => { const y = document.getElementById("compare-year");
      return { year: y.value, years: Array.from(y.options, (o) => Number(o.value)), shown: document.getElementById("year").value,
        none: !document.getElementById("compare-none").hidden, canvas: !document.getElementById("compare-view").hidden,
        name: document.getElementById("compare").getAttribute("aria-label") }; })()`);
    const before = await view();
    if (!r.compare) {
      expect(before.none && !before.canvas, `one year: note shown ${before.none}, canvas shown ${before.canvas}`);
      return;
    }
    expect(!before.none && before.canvas, `several years: note shown ${before.none}, canvas shown ${before.canvas}`);
    expect(before.year === before.shown, `the year compared is ${before.year}, the chart's ${before.shown}`);
    await page.evaluate(`(() => { const y = document.getElementById("compare-year");
      y.value = "${r.compare.year}"; y.dispatchEvent(new Event("change")); })()`);
    expect((await message()) === "", `message: ${await message()}`);
    const after = await view();
    const station = await page.evaluate(`document.getElementById("station").value`);
    expect(after.years.length >= 2 && after.years.includes(r.compare.year), `years offered ${after.years}`);
    expect(after.name === `日水位比較図 ${station} ${r.compare.year}`, `the canvas is named ${after.name}`);
    expectSamePixels(await compareWithPng("p.compareCanvas", `p.drawComparison(${r.compare.year})`, `/__test/compare${n}.png`, 0.05));
  });
  await check(`${r.name}: the record's CSV is the command line's, byte for byte`, async () => {
    const { name, bytes } = await downloadFrom("save-record-csv");
    const native = readFileSync(join(r.dir, "record.csv"));
    expect(name === r.csv, `named ${name}, not ${r.csv}`);
    expect(bytes.equals(native), `${bytes.length} bytes against ${native.length}`);
  });
  await check(`${r.name}: the record's workbook is the command line's, byte for byte`, async () => {
    const { name, bytes } = await downloadFrom("save-record-xlsx");
    const native = readFileSync(join(r.dir, "record.xlsx"));
    expect(name === r.csv.replace(/csv$/, "xlsx"), `named ${name}`);
    const at = bytes.findIndex((b, n) => b !== native[n]);
    expect(bytes.equals(native), `${bytes.length} bytes against ${native.length}, first difference at ${at}`);
  });
  await check(`${r.name}: the yearbook PDF is the command line's book, byte for byte`, async () => {
    const { name, bytes } = await downloadFrom("save-book");
    const native = readFileSync(join(r.dir, "book.pdf"));
    expect(name === "book.pdf", `named ${name}`);
    const at = bytes.findIndex((b, n) => b !== native[n]);
    expect(bytes.equals(native), `${bytes.length} bytes against ${native.length}, first difference at ${at}`);
  });
}

await check("the page asks for nothing but its own files", async () => {
  const foreign = networkRequests.filter((u) => !u.startsWith(server.origin) && !u.startsWith("data:") && !u.startsWith("blob:"));
  expect(foreign.length === 0, `requests elsewhere: ${foreign}`);
  const others = server.requests.filter((r) => !r.startsWith("GET "));
  expect(others.length === 0, `requests other than GET: ${others}`);
});

await browser.close();
server.close();
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
