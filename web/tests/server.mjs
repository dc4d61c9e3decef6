// A static server on 127.0.0.1 for the page's tests and benchmarks, with extra
// files of the tests under /__test/; it remembers every request it got.
import http from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join, normalize } from "node:path";

const TYPES = {
  ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".css": "text/css", ".wasm": "application/wasm",
  ".woff2": "font/woff2", ".png": "image/png", ".txt": "text/plain; charset=utf-8", ".pdf": "application/pdf",
  ".ttf": "font/ttf",
};

export async function serve(root, extras = {}) {
  const requests = [];
  const server = http.createServer(async (req, res) => {
    requests.push(`${req.method} ${req.url}`);
    const path = decodeURIComponent(new URL(req.url, "http://x").pathname);
    const file = extras[path] || join(root, normalize(path === "/" ? "/index.html" : path));
    try {
      if (req.method !== "GET") throw new Error("not a GET");
      const body = await readFile(file);
      res.writeHead(200, { "Content-Type": TYPES[extname(file)] || "application/octet-stream", "Cache-Control": "no-cache" });
      res.end(body);
    } catch (e) {
      res.writeHead(404);
      res.end();
    }
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  return { origin: `http://127.0.0.1:${server.address().port}`, requests, close: () => server.close() };
}
