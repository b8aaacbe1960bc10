// Pixel work for the maps: noise, a PNG encoder and the painter of land, sea and borders.
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

// Fractal noise in [-1, 1].
function fbm(x, y, seed, octaves = 4) {
  let sum = 0, amp = 0.5, norm = 0;
  for (let o = 0; o < octaves; o++) {
    sum += amp * (vnoise(x, y, seed + o * 31) * 2 - 1);
    norm += amp; x *= 2.03; y *= 2.03; amp *= 0.5;
  }
  return sum / norm;
}

function crc32(buf) {
  let c, crc = 0xffffffff;
  for (let n = 0; n < buf.length; n++) {
    c = (crc ^ buf[n]) & 0xff;
    for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    crc = (crc >>> 8) ^ c;
  }
  return (crc ^ 0xffffffff) >>> 0;
}

function chunk(type, data) {
  const len = Buffer.alloc(4); len.writeUInt32BE(data.length);
  const td = Buffer.concat([Buffer.from(type), data]);
  const crc = Buffer.alloc(4); crc.writeUInt32BE(crc32(td));
  return Buffer.concat([len, td, crc]);
}

// RGB pixels (3 bytes each) to a PNG file in memory.
function encodePNG(w, h, rgb) {
  const raw = Buffer.alloc((w * 3 + 1) * h);
  for (let y = 0; y < h; y++) {
    raw[y * (w * 3 + 1)] = 0;
    rgb.copy ? rgb.copy(raw, y * (w * 3 + 1) + 1, y * w * 3, (y + 1) * w * 3)
             : raw.set(rgb.subarray(y * w * 3, (y + 1) * w * 3), y * (w * 3 + 1) + 1);
  }
  const ihdr = Buffer.alloc(13);
  ihdr.writeUInt32BE(w, 0); ihdr.writeUInt32BE(h, 4);
  ihdr[8] = 8; ihdr[9] = 2; ihdr[10] = 0; ihdr[11] = 0; ihdr[12] = 0;
  return Buffer.concat([Buffer.from([137, 80, 78, 71, 13, 10, 26, 10]),
    chunk("IHDR", ihdr), chunk("IDAT", zlib.deflateSync(raw, { level: 6 })), chunk("IEND", Buffer.alloc(0))]);
}

const hex = (c) => [1, 3, 5].map((i) => parseInt(c.slice(i, i + 2), 16));
const mix = (a, b, t) => a.map((v, i) => v + (b[i] - v) * t);
const clamp01 = (t) => Math.max(0, Math.min(1, t));

const INK = hex("#33261a");
const SEA_SHALLOW = hex("#9fb6b2");
const SEA_DEEP = hex("#6c8a94");
const LAKE = hex("#93afb0");

// Paints a world into an RGB buffer.
// world: { landDistance(x, y) -> signed distance in world units (negative on land),
//          owner(x, y) -> territory index, fill[i] -> [r,g,b], regionOf[i], relief[i] (0..1),
//          lake(x, y) -> true on inland water, faded(i) -> true to wash a territory out }
// view: { x, y, w, h } in world units, rendered at W x H pixels.
function paint(world, view, W, H) {
  const sx = view.w / W, sy = view.h / H;
  const unit = Math.max(sx, sy); // world units per pixel, for line widths
  const ids = new Int16Array(W * H);
  const dist = new Float32Array(W * H);
  for (let py = 0; py < H; py++) {
    for (let px = 0; px < W; px++) {
      const x = view.x + (px + 0.5) * sx, y = view.y + (py + 0.5) * sy;
      const k = py * W + px;
      dist[k] = world.landDistance(x, y);
      ids[k] = dist[k] < 0 ? (world.lake(x, y) ? -2 : world.owner(x, y)) : -1;
    }
  }
  const out = Buffer.alloc(W * H * 3);
  const lineW = 0.55; // world units
  for (let py = 0; py < H; py++) {
    for (let px = 0; px < W; px++) {
      const k = py * W + px;
      const x = view.x + (px + 0.5) * sx, y = view.y + (py + 0.5) * sy;
      const d = dist[k], id = ids[k];
      const grain = fbm(x * 0.9, y * 0.9, 5, 3) * 0.5 + fbm(x * 0.08, y * 0.08, 9, 3);
      let c;
      if (id === -1 || id === -2) {
        // water: darker away from the coast, with ripple lines along it
        const depth = clamp01(d / 26);
        c = id === -2 ? LAKE.slice() : mix(SEA_SHALLOW, SEA_DEEP, depth);
        if (id === -1) {
          for (const r of [2.2, 5.2, 9.0]) {
            const t = clamp01(1 - Math.abs(d - r) / (unit * 0.9 + 0.25));
            c = mix(c, INK, t * 0.22 * (1 - r / 14));
          }
          const hatch = Math.abs(((y / 3.1) % 1) - 0.5) < 0.09 ? 0.05 : 0;
          c = mix(c, INK, hatch * depth);
        }
        c = c.map((v) => v * (1 + grain * 0.035));
      } else {
        c = world.fill[id].slice();
        // relief: light from the north-west over a noise height field
        const a = world.relief[id];
        if (a > 0) {
          const e = 0.6;
          const h0 = fbm(x / 9, y / 9, 21, 4), hx = fbm((x + e) / 9, y / 9, 21, 4), hy = fbm(x / 9, (y + e) / 9, 21, 4);
          const shade = ((h0 - hx) + (h0 - hy)) * 9;
          c = c.map((v) => v * (1 + a * Math.max(-0.22, Math.min(0.18, shade))));
        }
        c = c.map((v) => v * (1 + grain * 0.04));
        if (world.faded(id)) c = mix(c, hex("#e9dfc8"), 0.55);
      }
      // borders: compare with the neighbours right and below
      if (id >= 0) {
        const r = px + 1 < W ? ids[k + 1] : id, b = py + 1 < H ? ids[k + W] : id;
        const other = r >= 0 && r !== id ? r : b >= 0 && b !== id ? b : -3;
        if (other >= 0) {
          const regionEdge = world.regionOf[other] !== world.regionOf[id];
          c = mix(c, INK, regionEdge ? 0.85 : 0.5);
        }
      }
      // coast: an ink line on the land side of the shore
      if (id !== -1) {
        const t = clamp01(1 - Math.abs(d + lineW) / (lineW + unit * 0.6));
        c = mix(c, INK, t * 0.95);
      }
      if (id === -2) {
        const t = clamp01(1 - Math.abs(world.lakeDistance(x, y)) / (lineW + unit * 0.6));
        c = mix(c, INK, t * 0.8);
      }
      out[k * 3] = Math.max(0, Math.min(255, c[0]));
      out[k * 3 + 1] = Math.max(0, Math.min(255, c[1]));
      out[k * 3 + 2] = Math.max(0, Math.min(255, c[2]));
    }
  }
  return encodePNG(W, H, out);
}

module.exports = { fbm, vnoise, hash, encodePNG, paint, hex };
