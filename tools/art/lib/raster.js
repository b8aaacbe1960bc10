// SPDX-License-Identifier: GPL-3.0-or-later
// Pixel work: value noise, distance transforms, box downsampling and a PNG encoder.
"use strict";
const zlib = require("zlib");

function hash(ix, iy, seed) {
  let h = (ix * 374761393 + iy * 668265263 + seed * 1442695041) | 0;
  h = Math.imul(h ^ (h >>> 13), 1274126177);
  return ((h ^ (h >>> 16)) >>> 0) / 4294967296;
}

function vnoise(x, y, seed) {
  const ix = Math.floor(x), iy = Math.floor(y);
  const fx = x - ix, fy = y - iy;
  const sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const a = hash(ix, iy, seed), b = hash(ix + 1, iy, seed);
  const c = hash(ix, iy + 1, seed), d = hash(ix + 1, iy + 1, seed);
  return a + (b - a) * sx + (c - a) * sy + (a - b - c + d) * sx * sy;
}

// Fractal noise in about [-1, 1].
function fbm(x, y, seed, octaves = 4) {
  let sum = 0, amp = 0.5, norm = 0;
  for (let o = 0; o < octaves; o++) {
    sum += amp * (vnoise(x, y, seed + o * 31) * 2 - 1);
    norm += amp;
    x = x * 2.03 + 17.1;
    y = y * 2.03 + 5.3;
    amp *= 0.5;
  }
  return sum / norm;
}

// A small deterministic random source for placing things.
function rng(seed) {
  let s = seed >>> 0 || 1;
  return () => {
    s = (s + 0x6d2b79f5) | 0;
    let t = Math.imul(s ^ (s >>> 15), 1 | s);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// One-dimensional squared distance transform (Felzenszwalb and Huttenlocher).
function edt1(f, n, d, v, z) {
  let k = 0;
  v[0] = 0;
  z[0] = -Infinity;
  z[1] = Infinity;
  for (let q = 1; q < n; q++) {
    let s;
    for (;;) {
      const p = v[k];
      s = (f[q] + q * q - (f[p] + p * p)) / (2 * q - 2 * p);
      if (s <= z[k] && k > 0) k--;
      else break;
    }
    if (s <= z[k]) {
      v[0] = q;
      z[0] = -Infinity;
      z[1] = Infinity;
      k = 0;
      continue;
    }
    k++;
    v[k] = q;
    z[k] = s;
    z[k + 1] = Infinity;
  }
  k = 0;
  for (let q = 0; q < n; q++) {
    while (z[k + 1] < q) k++;
    const p = v[k];
    d[q] = (q - p) * (q - p) + f[p];
  }
}

// Distance in pixels from every pixel to the nearest pixel where inside() holds.
function distanceTo(w, h, inside) {
  const INF = 1e20, n = Math.max(w, h);
  const grid = new Float64Array(w * h);
  for (let i = 0; i < w * h; i++) grid[i] = inside(i) ? 0 : INF;
  const f = new Float64Array(n), d = new Float64Array(n), v = new Int32Array(n), z = new Float64Array(n + 1);
  for (let x = 0; x < w; x++) {
    for (let y = 0; y < h; y++) f[y] = grid[y * w + x];
    edt1(f, h, d, v, z);
    for (let y = 0; y < h; y++) grid[y * w + x] = d[y];
  }
  for (let y = 0; y < h; y++) {
    for (let x = 0; x < w; x++) f[x] = grid[y * w + x];
    edt1(f, w, d, v, z);
    for (let x = 0; x < w; x++) grid[y * w + x] = Math.sqrt(d[x]);
  }
  return grid;
}

// Averages k x k blocks of an RGBA image: a k-times supersampled picture down to its size.
function downsample(rgba, w, h, k) {
  const W = Math.floor(w / k), H = Math.floor(h / k), out = Buffer.alloc(W * H * 4), n = k * k;
  for (let y = 0; y < H; y++) {
    for (let x = 0; x < W; x++) {
      let r = 0, g = 0, b = 0, a = 0;
      for (let j = 0; j < k; j++) {
        for (let i = 0; i < k; i++) {
          const p = ((y * k + j) * w + x * k + i) * 4, al = rgba[p + 3];
          r += rgba[p] * al; g += rgba[p + 1] * al; b += rgba[p + 2] * al; a += al;
        }
      }
      const q = (y * W + x) * 4;
      if (a > 0) {
        out[q] = Math.round(r / a); out[q + 1] = Math.round(g / a); out[q + 2] = Math.round(b / a);
      }
      out[q + 3] = Math.round(a / n);
    }
  }
  return { pixels: out, width: W, height: H };
}

function crc32(buf) {
  let crc = 0xffffffff;
  for (let n = 0; n < buf.length; n++) {
    let c = (crc ^ buf[n]) & 0xff;
    for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    crc = (crc >>> 8) ^ c;
  }
  return (crc ^ 0xffffffff) >>> 0;
}

function chunk(type, data) {
  const len = Buffer.alloc(4);
  len.writeUInt32BE(data.length);
  const td = Buffer.concat([Buffer.from(type), data]);
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(crc32(td));
  return Buffer.concat([len, td, crc]);
}

// RGBA pixels to a PNG file; an image without any transparency is stored as RGB.
function encodePNG(w, h, rgba, level = 9) {
  let opaque = true;
  for (let i = 3; i < rgba.length; i += 4) if (rgba[i] !== 255) { opaque = false; break; }
  const ch = opaque ? 3 : 4, stride = w * ch + 1, raw = Buffer.alloc(stride * h);
  for (let y = 0; y < h; y++) {
    // The "up" filter suits smooth map washes and flat icons alike.
    raw[y * stride] = 2;
    for (let x = 0; x < w; x++) {
      for (let c = 0; c < ch; c++) {
        const v = rgba[(y * w + x) * 4 + c], above = y ? rgba[((y - 1) * w + x) * 4 + c] : 0;
        raw[y * stride + 1 + x * ch + c] = (v - above) & 0xff;
      }
    }
  }
  const ihdr = Buffer.alloc(13);
  ihdr.writeUInt32BE(w, 0);
  ihdr.writeUInt32BE(h, 4);
  ihdr[8] = 8;
  ihdr[9] = opaque ? 2 : 6;
  return Buffer.concat([Buffer.from([137, 80, 78, 71, 13, 10, 26, 10]), chunk("IHDR", ihdr),
    chunk("IDAT", zlib.deflateSync(raw, { level })), chunk("IEND", Buffer.alloc(0))]);
}

// Width and height from a PNG file's header.
function pngSize(buf) {
  if (buf.length < 24 || buf.toString("latin1", 1, 4) !== "PNG") return null;
  return { width: buf.readUInt32BE(16), height: buf.readUInt32BE(20) };
}

const hex = (c) => [1, 3, 5].map((i) => parseInt(c.slice(i, i + 2), 16));
const mix = (a, b, t) => a.map((v, i) => v + (b[i] - v) * t);

module.exports = { hash, vnoise, fbm, rng, distanceTo, downsample, encodePNG, pngSize, hex, mix };
