// The agency's downloads are Windows Shift_JIS. The browser's decoder agrees with
// Windows' on every one- and two-byte sequence but the lone byte 0x80, which
// Windows does not define and the browser passes through: that byte is refused
// first. A file that does not decode is reported at its first bad line.
"use strict";

class PageError extends Error {
  constructor(file, line, message) {
    super(line > 0 ? `${file}:${line}: ${message}` : `${file}: ${message}`);
  }
}

function shiftJisLeadAt(bytes, start, end) {
  // The index of a lone 0x80 between start and end, or -1.
  for (let i = start; i < end; ) {
    const b = bytes[i];
    if (b === 0x80) return i;
    i += (b >= 0x81 && b <= 0x9f) || (b >= 0xe0 && b <= 0xfc) ? 2 : 1;
  }
  return -1;
}

function decodeShiftJis(bytes, file) {
  const decoder = new TextDecoder("shift_jis", { fatal: true });
  if (shiftJisLeadAt(bytes, 0, bytes.length) < 0) {
    try {
      return decoder.decode(bytes);
    } catch (e) {
      // found line by line below
    }
  }
  let line = 1;
  for (let start = 0; start < bytes.length; ++line) {
    let end = bytes.indexOf(0x0a, start);
    if (end < 0) end = bytes.length;
    let stop = end > start && bytes[end - 1] === 0x0d ? end - 1 : end;
    let ok = shiftJisLeadAt(bytes, start, stop) < 0;
    if (ok) {
      try {
        decoder.decode(bytes.subarray(start, stop));
      } catch (e) {
        ok = false;
      }
    }
    if (!ok) throw new PageError(file, line, "the text is not Shift_JIS");
    start = end + 1;
  }
  throw new PageError(file, 0, "the text is not Shift_JIS");
}
