// The plotted page (PDF, SVG) of the chart on screen and the yearbook of the
// files loaded, written in the browser by a module of its own: the page writer with HarfBuzz and zlib, and IPA Gothic whole,
// as the command line cuts its fonts from it. Both are fetched on the first
// request only, so the chart never waits for them; nothing is sent anywhere.
"use strict";

function loadScript(src) {
  return new Promise((resolve, reject) => {
    const script = document.createElement("script");
    script.src = src;
    script.onload = resolve;
    script.onerror = () => reject(new Error(`${src}: could not be loaded`));
    document.head.append(script);
  });
}

async function fetchBytes(url) {
  const response = await fetch(url);
  if (!response.ok) throw new Error(`${url}: could not be loaded (${response.status})`);
  return new Uint8Array(await response.arrayBuffer());
}

class PlottedPages {
  constructor() {
    this.writer = null;  // the module's PlottedPage and the module, once started
    this.loaded = null;  // the files it holds
  }

  // The module with its face; a failed start is tried again on the next request.
  start() {
    if (!this.writer) {
      this.writer = Promise.all([loadScript("tellvane-page.js").then(() => createTellvanePage()),
                                 fetchBytes("fonts/ipag.ttf")])
        .then(([module, face]) => {
          const page = new module.PlottedPage();
          page.setFace(face);
          performance.mark("tellvane-page-module");
          return { module, page };
        })
        .catch((e) => { this.writer = null; throw e; });
    }
    return this.writer;
  }

  // The files as the chart read them ({names, texts, catalogueName, catalogueText}),
  // handed to the module once for each load.
  hand(module, page, files) {
    if (this.loaded === files) return;
    this.loaded = null;
    const names = new module.StringList();
    const texts = new module.StringList();
    files.names.forEach((n) => names.push_back(n));
    files.texts.forEach((t) => texts.push_back(t));
    try {
      answer(page.load(names, texts, files.catalogueName, files.catalogueText));
    } finally {
      names.delete();
      texts.delete();
    }
    this.loaded = files;
  }

  // The page of the chart as format ("pdf" or "svg"): the files, and the chart's
  // request ({station, year, kind, limits: {max, min} or null, width, height}).
  async write(format, files, request) {
    const { module, page } = await this.start();
    this.hand(module, page, files);
    answer(page.resize(request.width, request.height));
    answer(page.choose(request.station, request.year, request.kind));
    if (request.limits) answer(page.setLimits(request.limits.max, request.limits.min));
    return this.taken(page, page.write(format), format === "svg" ? "image/svg+xml" : "application/pdf");
  }

  // The yearbook of the files as one PDF, as `tellvane book` writes it.
  async book(files) {
    const { module, page } = await this.start();
    this.hand(module, page, files);
    return this.taken(page, page.book(), "application/pdf");
  }

  // The record of the files as the workbook `tellvane record --out x.xlsx` writes.
  async workbook(files) {
    const { module, page } = await this.start();
    this.hand(module, page, files);
    return this.taken(page, page.workbook(), "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet");
  }

  // What the module wrote, copied out of its memory (a view of it is valid only
  // until the next call).
  taken(page, written, type) {
    if (!written.ok) throw new Error(written.error);
    return new Blob([page.bytes().slice()], { type });
  }
}
