// The chart's canvas as the module draws on it: whole-pixel fills, runs of
// pixels and dots, and texts in IPA Gothic with their baseline where the module
// puts it. Nothing is anti-aliased but the texts.
"use strict";

const FACE = "IPAGothicWeb";

function cssColour(rgb) {
  return "#" + (rgb & 0xffffff).toString(16).padStart(6, "0");
}

class ChartCanvas {
  constructor(canvas) {
    this.canvas = canvas;
    this.context = canvas.getContext("2d", { alpha: false });
    this.patterns = new Map();
    this.metricsCache = new Map();
    this.drawTexts = true; // the page's tests turn texts off to compare the rest
    this.textBoxes = [];   // where texts went since the last clear, for the same tests
  }

  font(pixels, bold) {
    return (bold ? "bold " : "") + pixels + "px " + FACE;
  }

  resize(width, height, rgb) {
    const old = this.canvas.width > 0 && this.canvas.height > 0 ? this.snapshot() : null;
    this.canvas.width = width;
    this.canvas.height = height;
    this.context = this.canvas.getContext("2d", { alpha: false });
    this.fill(0, 0, width, height, rgb);
    if (old) this.context.drawImage(old, 0, 0);
  }

  snapshot() {
    const copy = document.createElement("canvas");
    copy.width = this.canvas.width;
    copy.height = this.canvas.height;
    copy.getContext("2d").drawImage(this.canvas, 0, 0);
    return copy;
  }

  fill(x, y, width, height, rgb) {
    if (x === 0 && y === 0 && width >= this.canvas.width && height >= this.canvas.height) this.textBoxes = [];
    this.context.fillStyle = cssColour(rgb);
    this.context.fillRect(x, y, width, height);
  }

  // Every other pixel from (x, y): a two-pixel pattern anchored at the canvas's
  // origin, one for each colour, direction and parity.
  dots(rgb, vertical, odd) {
    const key = rgb + (vertical ? "v" : "h") + (odd ? "1" : "0");
    let pattern = this.patterns.get(key);
    if (!pattern) {
      const tile = document.createElement("canvas");
      tile.width = vertical ? 1 : 2;
      tile.height = vertical ? 2 : 1;
      const t = tile.getContext("2d");
      t.fillStyle = cssColour(rgb);
      t.fillRect(vertical ? 0 : odd ? 1 : 0, vertical ? (odd ? 1 : 0) : 0, 1, 1);
      pattern = this.context.createPattern(tile, "repeat");
      this.patterns.set(key, pattern);
    }
    return pattern;
  }

  run(x, y, length, vertical, dotted, rgb) {
    const width = vertical ? 1 : length;
    const height = vertical ? length : 1;
    this.context.fillStyle = dotted ? this.dots(rgb, vertical, (vertical ? y : x) & 1) : cssColour(rgb);
    this.context.fillRect(x, y, width, height);
  }

  // The ascent in the upper 16 bits, ascent and descent in the lower.
  metrics(pixels, bold) {
    const key = pixels + (bold ? "b" : "");
    let packed = this.metricsCache.get(key);
    if (packed === undefined) {
      this.context.font = this.font(pixels, bold);
      const m = this.context.measureText("日");
      const ascent = Math.round(m.fontBoundingBoxAscent);
      packed = (ascent << 16) | (ascent + Math.round(m.fontBoundingBoxDescent));
      this.metricsCache.set(key, packed);
    }
    return packed;
  }

  text(x, baseline, text, pixels, bold, rgb) {
    const context = this.context;
    context.font = this.font(pixels, bold);
    const packed = this.metrics(pixels, bold);
    const width = Math.ceil(context.measureText(text).width);
    this.textBoxes.push([x, baseline - (packed >> 16), width, packed & 0xffff]);
    if (!this.drawTexts) return;
    context.fillStyle = cssColour(rgb);
    context.textBaseline = "alphabetic";
    context.fillText(text, x, baseline);
  }
}
