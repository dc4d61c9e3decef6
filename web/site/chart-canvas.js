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
    this.width = 0;        // the chart's size within the canvas
    this.height = 0;
  }

  font(pixels, bold) {
    return (bold ? "bold " : "") + pixels + "px " + FACE;
  }

  // A new size filled with the background. The canvas's bitmap takes exactly the
  // chart's size, also when it shrinks: a larger bitmap would keep parts of earlier
  // charts beside this one, which the browser's own "save image" would show. What
  // was drawn is not kept, as the module draws the chart again after every resize.
  resize(width, height, rgb) {
    this.width = width;
    this.height = height;
    if (width !== this.canvas.width) this.canvas.width = width;
    if (height !== this.canvas.height) this.canvas.height = height;
    this.canvas.parentElement.style.setProperty("--chart-width", width + "px");
    this.canvas.parentElement.style.setProperty("--chart-height", height + "px");
    this.fill(0, 0, width, height, rgb);
  }

  // The chart alone, as its own canvas.
  picture() {
    const copy = document.createElement("canvas");
    copy.width = this.width;
    copy.height = this.height;
    copy.getContext("2d").drawImage(this.canvas, 0, 0);
    return copy;
  }

  pixels() {
    return this.context.getImageData(0, 0, this.width, this.height).data;
  }

  fill(x, y, width, height, rgb) {
    if (x === 0 && y === 0 && width >= this.width && height >= this.height) this.textBoxes = [];
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
