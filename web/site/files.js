// The files the user hands the page, picked, dropped, or as a whole folder, read
// into texts for the module: downloads (.dat) decoded from Shift_JIS, everything
// else read as UTF-8 as the command line reads it. Nothing leaves the page.
"use strict";

// Above this a file is refused rather than read: a year of hourly readings is
// well under a megabyte, so a larger file is a wrong pick, and the tab stays
// responsive.
const LARGEST_FILE = 32 * 1024 * 1024;
const LARGEST_TOTAL = 128 * 1024 * 1024;

function isDataFile(name) {
  return /\.(dat|csv)$/i.test(name);
}

function checkSizes(entries) {
  let total = 0;
  for (const { name, file } of entries) {
    if (file.size > LARGEST_FILE)
      throw new PageError(name, 0, `is ${(file.size / 1048576).toFixed(1)} MB; the page reads files up to 32 MB`);
    total += file.size;
  }
  if (total > LARGEST_TOTAL)
    throw new PageError(entries[0].name, 0, "and the other files come to more than the 128 MB the page reads at once");
}

// The entries of a picked or dropped folder: its .dat and .csv files in the
// order of their names, as the command line reads a folder.
function folderEntries(folder, files) {
  const data = files.filter((e) => isDataFile(e.name)).sort((a, b) => (a.name < b.name ? -1 : a.name > b.name ? 1 : 0));
  if (data.length === 0) throw new PageError(folder, 0, "the folder holds no .dat or .csv files");
  return data;
}

async function readText(entry) {
  let buffer;
  try {
    buffer = await entry.file.arrayBuffer();
  } catch (e) {
    throw new PageError(entry.name, 0, "cannot be read: " + e.message);
  }
  const bytes = new Uint8Array(buffer);
  if (/\.dat$/i.test(entry.name)) return decodeShiftJis(bytes, entry.name);
  return new TextDecoder("utf-8").decode(bytes);
}

async function readEntries(entries) {
  checkSizes(entries);
  const names = [];
  const texts = [];
  for (const entry of entries) {
    names.push(entry.name);
    texts.push(await readText(entry));
  }
  return { names, texts };
}

// What an <input type=file> gives: single files as picked, a folder (webkitdirectory)
// as its files under their paths.
function inputEntries(input) {
  const files = Array.from(input.files);
  if (input.webkitdirectory) {
    const folder = files.length ? files[0].webkitRelativePath.split("/")[0] : input.dataset.lastFolder || "folder";
    return folderEntries(folder, files.map((file) => ({ name: file.webkitRelativePath || file.name, file })));
  }
  return files.map((file) => ({ name: file.name, file }));
}

// What a drop gives: files, and folders walked to their files.
async function droppedEntries(items) {
  const roots = Array.from(items).map((i) => i.webkitGetAsEntry && i.webkitGetAsEntry()).filter(Boolean);
  const entries = [];
  for (const root of roots) {
    if (root.isFile) entries.push({ name: root.name, file: await fileOf(root) });
    else entries.push(...folderEntries(root.name, await walk(root, root.name)));
  }
  return entries;
}

function fileOf(entry) {
  return new Promise((resolve, reject) => entry.file(resolve, reject));
}

async function walk(directory, path) {
  const reader = directory.createReader();
  const found = [];
  for (;;) {
    const batch = await new Promise((resolve, reject) => reader.readEntries(resolve, reject));
    if (batch.length === 0) break;
    for (const e of batch) {
      if (e.isFile) found.push({ name: `${path}/${e.name}`, file: await fileOf(e) });
      else found.push(...(await walk(e, `${path}/${e.name}`)));
    }
  }
  return found;
}
