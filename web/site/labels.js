// The page's words in Japanese and English.
"use strict";

const LABELS = {
  ja: {
    title: "日水位・日流量年図",
    data: "データファイル",
    folder: "フォルダ",
    catalogue: "観測所一覧（任意）",
    drop: "ここにファイルやフォルダをドロップ",
    station: "観測所",
    year: "年",
    kind: "種別",
    kindAuto: "データのとおり",
    level: "水位",
    discharge: "流量",
    max: "上限",
    min: "下限",
    apply: "適用",
    png: "PNG を保存",
    json: "数値を JSON で保存",
    pdf: "PDF を保存",
    svg: "SVG を保存",
    writing: "作図中…",
    language: "English",
    loading: "読み込み中…",
    privacy: "ファイルはこのページの中だけで読まれ、どこにも送られません。",
  },
  en: {
    title: "Annual chart of daily water levels and discharges",
    data: "Data files",
    folder: "Folder",
    catalogue: "Station catalogue (optional)",
    drop: "Drop files or a folder here",
    station: "Station",
    year: "Year",
    kind: "Kind",
    kindAuto: "As the data says",
    level: "Water level",
    discharge: "Discharge",
    max: "Upper limit",
    min: "Lower limit",
    apply: "Apply",
    png: "Save PNG",
    json: "Save the numbers as JSON",
    pdf: "Save PDF",
    svg: "Save SVG",
    writing: "Plotting…",
    language: "日本語",
    loading: "Loading…",
    privacy: "Your files are read inside this page only and are sent nowhere.",
  },
};

function applyLabels(language) {
  const words = LABELS[language];
  document.documentElement.lang = language;
  for (const element of document.querySelectorAll("[data-label]")) element.textContent = words[element.dataset.label];
  document.title = words.title;
}
