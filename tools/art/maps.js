// SPDX-License-Identifier: GPL-3.0-or-later
// The maps: the attack map (da1.Image1), the main map (ma1.Image1) and the close views of the
// eight regions (da1.Image2 to Image9, and ma1.Image2). One painter draws them all: watercolour
// washes on paper as pixels, then ink as vectors: coasts, shore lines, borders, rivers, marks.
"use strict";
const { fbm, hash, rng, distanceTo, hex } = require("./lib/raster");
const { traceEdges, smoothLines, pathData } = require("./lib/trace");
const { f1, esc, svgDoc, glyph, imageLayer, MINCHO } = require("./lib/svg");
const { distSeg } = require("./world");

const INK = "#35281c", SEA_INK = "#3d5863", PAPER = [241, 230, 201];

// ---------------------------------------------------------------- the painter
// view: the world rectangle x0, y0 (units per view pixel k) shown on w x h view pixels;
// the pixels are painted on a PW x PH grid. cell(i) tells how to colour cell i.
function paint(W, view, PW, PH, cell) {
  const { x0, y0, k, w, h } = view, Sx = PW / w, Sy = PH / h, S = (Sx + Sy) / 2, N = PW * PH;
  const label = new Int32Array(N);
  for (let j = 0; j < PH; j++) {
    for (let i = 0; i < PW; i++) {
      const x = x0 + ((i + 0.5) / Sx) * k, y = y0 + ((j + 0.5) / Sy) * k;
      label[j * PW + i] = W.coast(x, y) < 0 ? W.owner(x, y) : -1;
    }
  }
  const seaDist = distanceTo(PW, PH, (p) => label[p] >= 0);
  const coastDist = distanceTo(PW, PH, (p) => label[p] < 0);
  const isBorder = (p, sameRegion) => {
    const a = label[p];
    if (a < 0) return false;
    const x = p % PW, y = (p - x) / PW;
    for (const q of [x > 0 ? p - 1 : -1, x < PW - 1 ? p + 1 : -1, y > 0 ? p - PW : -1, y < PH - 1 ? p + PW : -1]) {
      if (q < 0) continue;
      const b = label[q];
      if (b >= 0 && b !== a && (sameRegion === null || (W.regionOf(a) === W.regionOf(b)) === sameRegion)) return true;
    }
    return false;
  };
  const regionDist = distanceTo(PW, PH, (p) => isBorder(p, false));
  const innerDist = distanceTo(PW, PH, (p) => isBorder(p, true));

  const rgba = Buffer.alloc(N * 4);
  const cells = new Map();
  for (let p = 0; p < N; p++) {
    const i = p % PW, j = (p - i) / PW, vx = (i + 0.5) / Sx, vy = (j + 0.5) / Sy;
    const x = x0 + vx * k, y = y0 + vy * k;
    // Paper: a warm cream, mottled, darker towards the edges of the sheet.
    const ex = Math.min(vx, w - vx) / w, ey = Math.min(vy, h - vy) / h;
    const edge = Math.min(1, Math.min(ex, ey) * 7);
    let lum = 1 + 0.035 * fbm(vx / 45, vy / 45, 90, 4) + 0.012 * fbm(vx / 3, vy / 3, 91, 2) - 0.09 * (1 - edge) * (1 - edge);
    let c;
    const l = label[p];
    if (l >= 0) {
      let look = cells.get(l);
      if (!look) cells.set(l, (look = cell(l)));
      const cd = coastDist[p] / S, rd = regionDist[p] / S, id = innerDist[p] / S;
      let a = look.strength * (1 + 0.16 * fbm(x / 18, y / 18, 95, 3));
      a += 0.3 * Math.exp(-rd / 2.2) + 0.13 * Math.exp(-id / 1.4) + 0.22 * Math.exp(-cd / 2.4);
      a = Math.min(0.95, a);
      c = PAPER.map((v, ch) => v * (1 - a + (a * look.rgb[ch]) / 255));
    } else {
      const sd = seaDist[p] / S;
      const t = 1 - Math.exp(-sd / 16);
      const shallow = [183, 205, 197], deep = [133, 163, 170];
      c = shallow.map((v, ch) => v + (deep[ch] - v) * t);
      // a lighter line of surf right along the coast
      lum += 0.05 * Math.exp(-sd / 0.9) + 0.02 * t * fbm(vx / 30, vy / 4, 97, 3);
    }
    rgba[p * 4] = Math.max(0, Math.min(255, Math.round(c[0] * lum)));
    rgba[p * 4 + 1] = Math.max(0, Math.min(255, Math.round(c[1] * lum)));
    rgba[p * 4 + 2] = Math.max(0, Math.min(255, Math.round(c[2] * lum)));
    rgba[p * 4 + 3] = 255;
  }
  const at = (vx, vy) => {
    const i = Math.max(0, Math.min(PW - 1, Math.floor(vx * Sx))), j = Math.max(0, Math.min(PH - 1, Math.floor(vy * Sy)));
    return j * PW + i;
  };
  return { rgba, label, PW, PH, Sx, Sy, S, seaDist, coastDist, regionDist, innerDist, at, view };
}

// Coast, shore lines and borders traced from the painted cells, as ink.
function inkLines(W, P, { coast = 1.1, border = 0.85, inner = 0.5, fadedCell = null } = {}) {
  const { PW, PH, label, Sx, Sy } = P;
  const toView = (lines) => lines.map((l) => l.map(([x, y]) => [x / Sx, y / Sy]));
  const smooth = (lines, minLength) => toView(smoothLines(lines, 1, { eps: 0.8, rounds: 3, minLength: minLength * P.S }));
  const traced = traceEdges(PW, PH, label, (a, b) => {
    if (a < 0 && b < 0) return null;
    if (a < 0 || b < 0) return "coast";
    const faded = fadedCell && fadedCell(a) && fadedCell(b);
    if (W.regionOf(a) !== W.regionOf(b)) return faded ? "regionFaded" : "region";
    return faded ? "innerFaded" : "inner";
  });
  let out = "";
  // Shore lines: the water's edge repeated outwards, fainter each time.
  const shores = [[2.2, 0.55, 0.62], [4.4, 0.45, 0.42], [7.2, 0.4, 0.26], [11, 0.35, 0.14]];
  for (const [r, width, op] of shores) {
    const zone = new Int8Array(PW * PH);
    for (let p = 0; p < PW * PH; p++) zone[p] = label[p] >= 0 ? 0 : P.seaDist[p] / P.S < r ? 1 : 2;
    const lines = traceEdges(PW, PH, zone, (a, b) => ((a === 1 && b === 2) || (a === 2 && b === 1) ? "s" : null)).get("s") || [];
    out += `<path d="${pathData(smooth(lines, 2))}" fill="none" stroke="${SEA_INK}" stroke-width="${width}" stroke-opacity="${op}" stroke-linejoin="round" stroke-linecap="round"/>`;
  }
  const d = (key, min = 0) => pathData(smooth(traced.get(key) || [], min));
  out += `<path d="${d("innerFaded", 1)}" fill="none" stroke="${INK}" stroke-width="${inner}" stroke-opacity="0.3" stroke-dasharray="0.6,1.3" stroke-linecap="round"/>`;
  out += `<path d="${d("regionFaded", 1)}" fill="none" stroke="${INK}" stroke-width="${border}" stroke-opacity="0.35" stroke-dasharray="3,1.4,0.7,1.4"/>`;
  out += `<path d="${d("inner", 1)}" fill="none" stroke="${INK}" stroke-width="${inner}" stroke-opacity="0.75" stroke-dasharray="0.6,1.3" stroke-linecap="round"/>`;
  out += `<path d="${d("region", 1)}" fill="none" stroke="#6e2a22" stroke-width="${border * 2.6}" stroke-opacity="0.16" stroke-linejoin="round"/>`;
  out += `<path d="${d("region", 1)}" fill="none" stroke="${INK}" stroke-width="${border}" stroke-opacity="0.85" stroke-dasharray="3,1.4,0.7,1.4"/>`;
  out += `<path d="${d("coast", 0.5)}" fill="none" stroke="${INK}" stroke-width="${coast}" stroke-linejoin="round" stroke-linecap="round"/>`;
  return out;
}

// ---------------------------------------------------------------- rivers
function catmull(pts, step) {
  const out = [];
  for (let i = 0; i < pts.length - 1; i++) {
    const p0 = pts[Math.max(0, i - 1)], p1 = pts[i], p2 = pts[i + 1], p3 = pts[Math.min(pts.length - 1, i + 2)];
    const n = Math.max(2, Math.ceil(Math.hypot(p2[0] - p1[0], p2[1] - p1[1]) / step));
    for (let s = 0; s < n; s++) {
      const t = s / n, t2 = t * t, t3 = t2 * t;
      const f = (a, b, c, d) => 0.5 * (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 + (-a + 3 * b - 3 * c + d) * t3);
      out.push([f(p0[0], p1[0], p2[0], p3[0]), f(p0[1], p1[1], p2[1], p3[1])]);
    }
  }
  out.push(pts[pts.length - 1]);
  return out;
}

// A river widening from source to mouth, meandering a little, ending where it meets the sea.
function riverPaths(W, view, river, scale = 1) {
  const { x0, y0, k } = view;
  let pts = catmull(river.line, 1.5).map(([x, y], i) => [x + 2.2 * fbm(i / 8, 0.5, 61, 3), y + 2.2 * fbm(i / 8, 3.5, 62, 3)]);
  const end = pts.findIndex(([x, y], i) => i > 3 && W.coast(x, y) > 0.8);
  if (end > 0) pts = pts.slice(0, end + 1);
  const v = pts.map(([x, y]) => [(x - x0) / k, (y - y0) / k]);
  if (river.dry) {
    const d = "M" + v.map(([x, y]) => `${f1(x)},${f1(y)}`).join("L");
    return `<path d="${d}" fill="none" stroke="${SEA_INK}" stroke-width="${f1(0.7 * scale)}" stroke-opacity="0.7" stroke-dasharray="${f1(2.2 * scale)},${f1(1.5 * scale)}" stroke-linecap="round"/>`;
  }
  const left = [], right = [];
  for (let i = 0; i < v.length; i++) {
    const a = v[Math.max(0, i - 1)], b = v[Math.min(v.length - 1, i + 1)];
    const dx = b[0] - a[0], dy = b[1] - a[1], len = Math.hypot(dx, dy) || 1;
    const t = i / (v.length - 1), half = ((river.from + (river.to - river.from) * t) * scale) / 2;
    left.push([v[i][0] - (dy / len) * half, v[i][1] + (dx / len) * half]);
    right.push([v[i][0] + (dy / len) * half, v[i][1] - (dx / len) * half]);
  }
  const poly = left.concat(right.reverse()).map(([x, y]) => `${f1(x)},${f1(y)}`).join(" ");
  return `<polygon points="${poly}" fill="#4e7180" stroke="#3a5561" stroke-width="${f1(0.25 * scale)}" stroke-linejoin="round"/>`;
}

// ---------------------------------------------------------------- terrain marks
// Each mark stands on its foot x, y; s is its half width in view pixels.
function mark(type, x, y, s, seed) {
  const X = (v) => f1(x + v * s), Y = (v) => f1(y + v * s), sw = f1(Math.max(0.28, 0.11 * s));
  const r = (n) => hash(seed, n, 7);
  switch (type) {
    case "mountain": {
      const ph = 1.5 + 0.35 * r(1), px = 0.1 * (r(2) - 0.5);
      return `<path d="M${X(-1)},${Y(0)} Q${X(-0.45)},${Y(-ph * 0.55)} ${X(px)},${Y(-ph)} Q${X(0.5)},${Y(-ph * 0.5)} ${X(1)},${Y(0)} Z" fill="#efe6cf"/>` +
        `<path d="M${X(px)},${Y(-ph)} Q${X(0.5)},${Y(-ph * 0.5)} ${X(1)},${Y(0)} L${X(0.12)},${Y(0)} Q${X(0.18)},${Y(-ph * 0.5)} ${X(px)},${Y(-ph)} Z" fill="#9c8766" fill-opacity="0.75"/>` +
        `<path d="M${X(0.3)},${Y(-ph * 0.55)} L${X(0.24)},${Y(-0.12)} M${X(0.52)},${Y(-ph * 0.34)} L${X(0.46)},${Y(-0.1)} M${X(0.72)},${Y(-ph * 0.16)} L${X(0.68)},${Y(-0.06)}" stroke="${INK}" stroke-width="${f1(sw * 0.6)}" stroke-opacity="0.7"/>` +
        (s > 3.6 ? `<path d="M${X(px - 0.24)},${Y(-ph * 0.76)} L${X(px)},${Y(-ph)} L${X(px + 0.2)},${Y(-ph * 0.8)} L${X(px + 0.05)},${Y(-ph * 0.72)} Z" fill="#fbf8ef"/>` : "") +
        `<path d="M${X(-1)},${Y(0)} Q${X(-0.45)},${Y(-ph * 0.55)} ${X(px)},${Y(-ph)} Q${X(0.5)},${Y(-ph * 0.5)} ${X(1)},${Y(0)}" fill="none" stroke="${INK}" stroke-width="${sw}" stroke-linejoin="round" stroke-linecap="round"/>`;
    }
    case "hill": {
      const hh = 0.75 + 0.25 * r(1);
      return `<path d="M${X(-1)},${Y(0)} C${X(-0.6)},${Y(-hh)} ${X(0.5)},${Y(-hh)} ${X(1)},${Y(0)} Z" fill="#efe3c6" fill-opacity="0.55"/>` +
        `<path d="M${X(-1)},${Y(0)} C${X(-0.6)},${Y(-hh)} ${X(0.5)},${Y(-hh)} ${X(1)},${Y(0)}" fill="none" stroke="${INK}" stroke-width="${sw}" stroke-linecap="round"/>` +
        `<path d="M${X(0.35)},${Y(-hh * 0.62)} L${X(0.3)},${Y(-0.08)} M${X(0.62)},${Y(-hh * 0.42)} L${X(0.58)},${Y(-0.06)}" stroke="${INK}" stroke-width="${f1(sw * 0.6)}" stroke-opacity="0.65" stroke-linecap="round"/>`;
    }
    case "tree": {
      const cr = 0.62 + 0.12 * r(1);
      return `<path d="M${X(0)},${Y(0)} L${X(0)},${Y(-0.55)}" stroke="${INK}" stroke-width="${sw}"/>` +
        `<circle cx="${X(0)}" cy="${Y(-0.55 - cr)}" r="${f1(cr * s)}" fill="#849360" stroke="${INK}" stroke-width="${f1(sw * 0.85)}"/>` +
        `<path d="M${X(0.12)},${Y(-0.55 - 2 * cr + 0.25)} A${f1(cr * s)},${f1(cr * s)} 0 0 1 ${X(0.3)},${Y(-0.62)}" fill="none" stroke="#55613a" stroke-width="${f1(sw * 1.1)}" stroke-opacity="0.7"/>` +
        `<circle cx="${X(-0.2)}" cy="${Y(-0.62 - cr * 1.2)}" r="${f1(cr * 0.3 * s)}" fill="#b0b982" fill-opacity="0.8"/>`;
    }
    case "conifer":
      return `<path d="M${X(0)},${Y(0)} L${X(0)},${Y(-0.4)}" stroke="${INK}" stroke-width="${sw}"/>` +
        `<path d="M${X(0)},${Y(-2.1)} L${X(0.62)},${Y(-0.35)} L${X(-0.62)},${Y(-0.35)} Z" fill="#6f8258" stroke="${INK}" stroke-width="${f1(sw * 0.85)}" stroke-linejoin="round"/>` +
        `<path d="M${X(0)},${Y(-2.0)} L${X(0.55)},${Y(-0.4)} L${X(0.05)},${Y(-0.4)} Z" fill="#4f603d" fill-opacity="0.7"/>`;
    case "grass":
      return `<path d="M${X(-0.7)},${Y(0)} Q${X(-0.75)},${Y(-0.45)} ${X(-1.05)},${Y(-0.7)} M${X(-0.2)},${Y(0)} Q${X(-0.25)},${Y(-0.6)} ${X(-0.35)},${Y(-1)} M${X(0.25)},${Y(0)} Q${X(0.3)},${Y(-0.55)} ${X(0.55)},${Y(-0.9)} M${X(0.7)},${Y(0)} Q${X(0.8)},${Y(-0.35)} ${X(1.1)},${Y(-0.55)}" fill="none" stroke="#55603a" stroke-width="${f1(sw * 0.9)}" stroke-linecap="round"/>`;
    case "dune":
      return `<path d="M${X(-1.2)},${Y(0)} Q${X(-0.3)},${Y(-0.85)} ${X(0.9)},${Y(-0.1)} Q${X(0.1)},${Y(-0.35)} ${X(-1.2)},${Y(0)} Z" fill="#a9823f" fill-opacity="0.45"/>` +
        `<path d="M${X(-1.2)},${Y(0)} Q${X(-0.3)},${Y(-0.85)} ${X(0.9)},${Y(-0.1)}" fill="none" stroke="#6d4f24" stroke-width="${sw}" stroke-linecap="round"/>` +
        `<path d="M${X(0.1)},${Y(0.45)} Q${X(0.7)},${Y(0.05)} ${X(1.4)},${Y(0.35)}" fill="none" stroke="#6d4f24" stroke-width="${f1(sw * 0.7)}" stroke-opacity="0.7" stroke-linecap="round"/>`;
    case "rock":
      return [[-0.55, 0, 0.32], [0.15, -0.12, 0.42], [0.7, 0.05, 0.26]].map(([a, b, rr]) =>
        `<ellipse cx="${X(a)}" cy="${Y(b - rr * 0.6)}" rx="${f1(rr * s)}" ry="${f1(rr * 0.75 * s)}" fill="#cdb68a" stroke="${INK}" stroke-width="${f1(sw * 0.7)}"/>`).join("");
    case "field": {
      // a patch of three strips, one of them fallow
      const rot = (r(1) - 0.5) * 16, tones = ["#c4a657", "#9ea25a", "#d8c184"], k0 = Math.floor(r(2) * 3);
      let g = "";
      for (let i = 0; i < 3; i++) {
        g += `<path d="M${X(-1 + i * 0.66)},${Y(0)} L${X(-0.34 + i * 0.66)},${Y(0)} L${X(-0.2 + i * 0.66)},${Y(-0.8)} L${X(-0.86 + i * 0.66)},${Y(-0.8)} Z" fill="${tones[(i + k0) % 3]}" fill-opacity="0.7"/>`;
      }
      return `<g transform="rotate(${f1(rot)} ${f1(x)} ${f1(y)})">${g}<path d="M${X(-1)},${Y(0)} L${X(0.98)},${Y(0)} L${X(1.12)},${Y(-0.8)} L${X(-0.86)},${Y(-0.8)} Z M${X(-0.34)},${Y(0)} L${X(-0.2)},${Y(-0.8)} M${X(0.32)},${Y(0)} L${X(0.46)},${Y(-0.8)}" fill="none" stroke="${INK}" stroke-width="${f1(sw * 0.6)}" stroke-opacity="0.7" stroke-linejoin="round"/></g>`;
    }
  }
  return "";
}

const DENSE = { mountain: true, conifer: true };
const MARK_SIZE = { mountain: 1.35, hill: 1.05, tree: 0.62, conifer: 0.62, grass: 0.7, dune: 0.95, rock: 0.6, field: 0.85 };

// Poisson-disc points over the view (spacing in view pixels).
function discPoints(w, h, spacing, seed) {
  const rand = rng(seed), cellSize = spacing / Math.SQRT2, gw = Math.ceil(w / cellSize), gh = Math.ceil(h / cellSize);
  const grid = new Int32Array(gw * gh).fill(-1), pts = [], active = [];
  const push = (p) => {
    grid[Math.floor(p[1] / cellSize) * gw + Math.floor(p[0] / cellSize)] = pts.length;
    pts.push(p);
    active.push(p);
  };
  push([rand() * w, rand() * h]);
  while (active.length) {
    const ai = Math.floor(rand() * active.length), a = active[ai];
    let found = false;
    for (let t = 0; t < 24; t++) {
      const ang = rand() * Math.PI * 2, rr = spacing * (1 + rand());
      const p = [a[0] + Math.cos(ang) * rr, a[1] + Math.sin(ang) * rr];
      if (p[0] < 0 || p[1] < 0 || p[0] >= w || p[1] >= h) continue;
      const gx = Math.floor(p[0] / cellSize), gy = Math.floor(p[1] / cellSize);
      let ok = true;
      for (let y = Math.max(0, gy - 2); y <= Math.min(gh - 1, gy + 2) && ok; y++) {
        for (let x = Math.max(0, gx - 2); x <= Math.min(gw - 1, gx + 2); x++) {
          const q = grid[y * gw + x];
          if (q >= 0 && Math.hypot(pts[q][0] - p[0], pts[q][1] - p[1]) < spacing) { ok = false; break; }
        }
      }
      if (ok) { push(p); found = true; break; }
    }
    if (!found) active.splice(ai, 1);
  }
  return pts;
}

// Marks over the land: terrainOf(cell) lists the kinds, most common first; keep(x, y, s) can refuse a spot.
function marks(W, P, { spacing, size, terrainOf, keep = () => true, opacityOf = () => 1, rivers = [], seed = 5 }) {
  const { view } = P, out = [];
  // Mountains and woods stand closer together than the other marks.
  for (const [vx, vy] of discPoints(view.w, view.h, spacing * 0.72, seed)) {
    const p = P.at(vx, vy), c = P.label[p];
    if (c < 0 || P.coastDist[p] / P.S < 2.6 || P.regionDist[p] / P.S < 1.6 || P.innerDist[p] / P.S < 1.2) continue;
    const x = view.x0 + vx * view.k, y = view.y0 + vy * view.k;
    if (rivers.some((r) => r.some((q, i) => i && distSeg(x, y, ...r[i - 1], ...q).d < 2.2 * view.k))) continue;
    const kinds = terrainOf(c), n = fbm(x / 26, y / 26, 80, 3);
    const type = n > 0.14 ? kinds[1] : n < -0.16 ? kinds[2] : kinds[0];
    if (!DENSE[type] && hash(Math.round(vx * 7), Math.round(vy * 7), 4) > 0.52) continue;
    const s = size * MARK_SIZE[type] * (0.85 + 0.3 * hash(Math.round(vx * 10), Math.round(vy * 10), 3));
    const top = P.at(vx, vy - s * 1.6);
    if (P.label[top] < 0 || P.label[P.at(vx - s, vy)] < 0 || P.label[P.at(vx + s, vy)] < 0) continue;
    if (!keep(vx, vy, s)) continue;
    out.push({ vx, vy, type, s, op: opacityOf(c), seed: Math.round(vx * 131 + vy * 17) });
  }
  out.sort((a, b) => a.vy - b.vy);
  return out.map((m) => (m.op < 1 ? `<g opacity="${m.op}">` : "<g>") + mark(m.type, m.vx, m.vy, m.s, m.seed) + "</g>").join("");
}

// ---------------------------------------------------------------- ornaments
function compass(x, y, r) {
  let s = `<circle cx="${f1(x)}" cy="${f1(y)}" r="${f1(r * 0.78)}" fill="#efe4c6" fill-opacity="0.55" stroke="${INK}" stroke-width="${f1(r * 0.035)}"/>` +
    `<circle cx="${f1(x)}" cy="${f1(y)}" r="${f1(r * 0.68)}" fill="none" stroke="${INK}" stroke-width="${f1(r * 0.02)}"/>`;
  for (let i = 0; i < 32; i++) {
    const a = (i * Math.PI) / 16, r0 = r * 0.68, r1 = r * (i % 4 ? 0.73 : 0.78);
    s += `<path d="M${f1(x + r0 * Math.cos(a))},${f1(y + r0 * Math.sin(a))} L${f1(x + r1 * Math.cos(a))},${f1(y + r1 * Math.sin(a))}" stroke="${INK}" stroke-width="${f1(r * 0.02)}"/>`;
  }
  for (const [n, len, wdt] of [[8, 0.58, 0.09], [4, 1, 0.15]]) {
    for (let i = 0; i < n; i++) {
      const a = (i * 2 * Math.PI) / n - Math.PI / 2 + (n === 8 ? Math.PI / 8 : 0);
      const tip = [x + r * len * Math.cos(a), y + r * len * Math.sin(a)];
      const l = [x + r * wdt * Math.cos(a - Math.PI / 2), y + r * wdt * Math.sin(a - Math.PI / 2)];
      const rr = [x + r * wdt * Math.cos(a + Math.PI / 2), y + r * wdt * Math.sin(a + Math.PI / 2)];
      const north = n === 4 && i === 0;
      s += `<polygon points="${f1(x)},${f1(y)} ${f1(l[0])},${f1(l[1])} ${f1(tip[0])},${f1(tip[1])}" fill="${north ? "#9a3a2c" : "#f3ead4"}" stroke="${INK}" stroke-width="${f1(r * 0.025)}" stroke-linejoin="round"/>`;
      s += `<polygon points="${f1(x)},${f1(y)} ${f1(rr[0])},${f1(rr[1])} ${f1(tip[0])},${f1(tip[1])}" fill="${north ? "#6a2219" : INK}" stroke="${INK}" stroke-width="${f1(r * 0.025)}" stroke-linejoin="round"/>`;
    }
  }
  s += `<circle cx="${f1(x)}" cy="${f1(y)}" r="${f1(r * 0.07)}" fill="#c49a42" stroke="${INK}" stroke-width="${f1(r * 0.02)}"/>`;
  return s + `<text x="${f1(x)}" y="${f1(y - r * 1.06)}" font-family="${MINCHO}" font-size="${f1(r * 0.4)}" text-anchor="middle" fill="${INK}">北</text>`;
}

function ship(x, y, s, flip = false) {
  const waves = [-0.5, 0.1, 0.6].map((d, i) => `<path d="M${f1(x - s * 0.55 + d * s * 0.4)},${f1(y + s * (0.47 + i * 0.07))} q${f1(s * 0.1)},${f1(-s * 0.06)} ${f1(s * 0.2)},0 t${f1(s * 0.2)},0" fill="none" stroke="${SEA_INK}" stroke-width="${f1(s * 0.025)}" stroke-opacity="0.6"/>`).join("");
  const t = flip ? `translate(${f1(2 * x)},0) scale(-1,1)` : "";
  return `<g transform="${t}">` + glyph("galleon", x - s / 2, y - s / 2, s, INK, 'opacity="0.6"') + `</g>` + waves;
}

function waveMarks(pts, s) {
  return pts.map(([x, y]) => `<path d="M${f1(x - s)},${f1(y)} q${f1(s / 2)},${f1(-s * 0.45)} ${f1(s)},0 q${f1(s / 2)},${f1(-s * 0.45)} ${f1(s)},0" fill="none" stroke="${SEA_INK}" stroke-width="${f1(s * 0.16)}" stroke-opacity="0.45" stroke-linecap="round"/>`).join("");
}

function sheetFrame(w, h, k = 1) {
  return `<rect x="${f1(0.5 * k)}" y="${f1(0.5 * k)}" width="${f1(w - k)}" height="${f1(h - k)}" fill="none" stroke="${INK}" stroke-width="${f1(1 * k)}"/>` +
    `<rect x="${f1(2.2 * k)}" y="${f1(2.2 * k)}" width="${f1(w - 4.4 * k)}" height="${f1(h - 4.4 * k)}" fill="none" stroke="${INK}" stroke-width="${f1(0.35 * k)}" stroke-opacity="0.8"/>`;
}

// ---------------------------------------------------------------- the three kinds of map
function territoryLook(world) {
  return (i) => {
    const t = world.territories[i], reg = world.regions[t.region];
    const pos = reg.members.indexOf(i), shade = [0, 0.1, -0.08, 0.05, -0.04, 0.08][pos % 6];
    const rgb = hex(reg.colour).map((v) => Math.max(0, Math.min(255, v * (1 + shade))));
    return { rgb, strength: 0.62 };
  };
}

const terrainOfTerritory = (world) => (i) => world.territories[i].terrain || world.regions[world.territories[i].region].terrain;

function riverPoints(W) {
  return W.rivers.map((r) => catmull(r.line, 3));
}

// The attack map, at the size the attack screen shows it; each territory lies under its button.
function attackMap(world, W) {
  const view = { x0: 0, y0: 0, k: 1, w: W.w, h: W.h };
  const P = paint(W, view, W.w * 3, W.h * 3, territoryLook(world));
  const free = (vx, vy, s) => W.inSquare(vx, vy, s + 1.5) < 0 && W.inSquare(vx - s, vy - s * 1.8, 1.5) < 0 && W.inSquare(vx + s, vy - s * 1.8, 1.5) < 0;
  const body = imageLayer(P.rgba, P.PW, P.PH, W.w, W.h) +
    inkLines(W, P, { coast: 1.15, border: 0.9, inner: 0.55 }) +
    W.rivers.map((r) => riverPaths(W, view, r)).join("") +
    marks(W, P, { spacing: 9.5, size: 4.2, terrainOf: terrainOfTerritory(world), keep: free, rivers: riverPoints(W) }) +
    waveMarks([[90, 452], [236, 440], [402, 470], [300, 498], [500, 300], [470, 250], [120, 490]], 3.2) +
    ship(412, 428, 34) + ship(70, 470, 22, true) + compass(488, 452, 30) + sheetFrame(W.w, W.h);
  return { svg: svgDoc(W.w, W.h, body), P };
}

// Ribbons behind the white region names of the main screen, each in a deep shade of its region.
function ribbon(x, y, w, h, colour) {
  const n = h * 0.34, deep = hex(colour).map((v) => Math.round(v * 0.42));
  const fill = `rgb(${deep.join(",")})`;
  const d = `M${f1(x - n)},${f1(y)} L${f1(x + w + n)},${f1(y)} L${f1(x + w + n * 0.35)},${f1(y + h / 2)} L${f1(x + w + n)},${f1(y + h)} L${f1(x - n)},${f1(y + h)} L${f1(x - n * 0.35)},${f1(y + h / 2)} Z`;
  return `<path d="${d}" fill="#000" fill-opacity="0.25" transform="translate(0.5,0.7)"/>` +
    `<path d="${d}" fill="${fill}" fill-opacity="0.9" stroke="#1a120c" stroke-width="0.45" stroke-linejoin="round"/>` +
    `<path d="M${f1(x - n * 0.6)},${f1(y + 1.2)} L${f1(x + w + n * 0.6)},${f1(y + 1.2)} M${f1(x - n * 0.6)},${f1(y + h - 1.2)} L${f1(x + w + n * 0.6)},${f1(y + h - 1.2)}" stroke="#d2ad62" stroke-width="0.4" stroke-opacity="0.85"/>`;
}

function mainMap(world, W) {
  const view = { x0: 0, y0: 0, k: 1, w: W.w, h: W.h };
  const P = paint(W, view, W.w * 3, W.h * 3, (i) => ({ rgb: hex(world.regions[i].colour), strength: 0.64 }));
  const boxes = W.labels;
  const free = (vx, vy, s) => !boxes.some((b) => vx + s > b[0] - 5 && vx - s < b[2] + 5 && vy > b[1] - 1 && vy - s * 1.8 < b[3] + 1);
  const ribbons = boxes.map(([x0, y0, x1, y1], i) => ribbon(Math.max(x0 - 1, 4), y0, x1 - Math.max(x0 - 1, 4), y1 - y0, world.regions[i].colour)).join("");
  const body = imageLayer(P.rgba, P.PW, P.PH, W.w, W.h) +
    inkLines(W, P, { coast: 0.9, border: 0.75 }) +
    W.rivers.map((r) => riverPaths(W, view, r, 0.9)).join("") +
    marks(W, P, { spacing: 7.2, size: 3.1, terrainOf: (i) => world.regions[i].terrain, keep: free, rivers: riverPoints(W), seed: 9 }) +
    waveMarks([[40, 226], [120, 234], [224, 234], [300, 150], [318, 124]], 2.4) +
    ship(262, 198, 22) + compass(318, 222, 14) + ribbons + sheetFrame(W.w, W.h, 0.8);
  return { svg: svgDoc(W.w, W.h, body), P };
}

// A close view of one region, drawn as the main screen shows it (337 x 273, stretched from
// 266 x 200): its territories in colour with their names, the neighbours washed out.
const SHOWN = { w: 337, h: 273 };

function regionView(world, W, r) {
  const reg = world.regions[r], sq = reg.members.map((i) => W.squares[i]);
  let x0 = Math.min(...sq.map((s) => s[0])) - 30, x1 = Math.max(...sq.map((s) => s[2])) + 30;
  let y0 = Math.min(...sq.map((s) => s[1])) - 26, y1 = Math.max(...sq.map((s) => s[3])) + 30;
  let k = Math.max((x1 - x0) / SHOWN.w, (y1 - y0) / SHOWN.h, 0.5);
  const cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  x0 = cx - (SHOWN.w * k) / 2;
  y0 = cy - (SHOWN.h * k) / 2;
  // keep the view on the sheet
  x0 = Math.max(-4, Math.min(W.w + 4 - SHOWN.w * k, x0));
  y0 = Math.max(-4, Math.min(W.h + 4 - SHOWN.h * k, y0));
  return { x0, y0, k, w: SHOWN.w, h: SHOWN.h };
}

function regionPicture(world, W, r, icons) {
  const reg = world.regions[r], view = regionView(world, W, r), { x0, y0, k } = view;
  const member = (i) => reg.members.includes(i);
  const look = territoryLook(world);
  const faded = (i) => {
    const l = look(i), grey = (l.rgb[0] + l.rgb[1] + l.rgb[2]) / 3;
    return { rgb: l.rgb.map((v) => v * 0.35 + grey * 0.65), strength: 0.3 };
  };
  const P = paint(W, view, 266 * 3, 200 * 3, (i) => (member(i) ? look(i) : faded(i)));
  const toView = ([x, y]) => [(x - x0) / k, (y - y0) / k];
  const fs = 12.5, boxes = [];
  const sites = reg.members.map((i) => ({ i, c: toView(W.centres[i]) }));
  for (const { c } of sites) boxes.push([c[0] - 11, c[1] - 11, c[0] + 11, c[1] + 11]);
  let labels = "";
  for (const { i, c: [cx, cy] } of sites) {
    const t = world.territories[i], tw = [...t.name].length * fs * 0.96;
    const spots = [[cx, cy + 11 + fs], [cx, cy - 12.5], [cx + 12 + tw / 2, cy + fs * 0.36], [cx - 12 - tw / 2, cy + fs * 0.36]];
    let best = null;
    for (const [sx, sy] of spots) {
      const b = [sx - tw / 2 - 1, sy - fs, sx + tw / 2 + 1, sy + fs * 0.28];
      const inside = b[0] > 5 && b[2] < SHOWN.w - 5 && b[1] > 5 && b[3] < SHOWN.h - 5;
      if (inside && !boxes.some((o) => b[0] < o[2] && b[2] > o[0] && b[1] < o[3] && b[3] > o[1])) { best = [sx, sy, b]; break; }
    }
    if (!best) best = [cx, cy + 10 + fs, [cx - tw / 2, cy + 10, cx + tw / 2, cy + 10 + fs]];
    boxes.push(best[2]);
    labels += `<text x="${f1(best[0])}" y="${f1(best[1])}" font-family="${MINCHO}" font-size="${fs}" text-anchor="middle" fill="${INK}" stroke="#f6eed8" stroke-width="3" stroke-linejoin="round" paint-order="stroke">${esc(t.name)}</text>` +
      `<text x="${f1(best[0])}" y="${f1(best[1])}" font-family="${MINCHO}" font-size="${fs}" text-anchor="middle" fill="${INK}" stroke="${INK}" stroke-width="0.3">${esc(t.name)}</text>`;
  }
  const seals = sites.map(({ i, c: [cx, cy] }) => seal(cx, cy, 9.5, icons.territoryGlyphs[world.territories[i].kind], world.regions[r].colour)).join("");
  const free = (vx, vy, s) => !boxes.some((b) => vx + s > b[0] - 1 && vx - s < b[2] + 1 && vy + 1 > b[1] && vy - s * 1.8 < b[3] + 1);
  const body = imageLayer(P.rgba, P.PW, P.PH, SHOWN.w, SHOWN.h) +
    inkLines(W, P, { coast: 1.1, border: 0.9, inner: 0.6, fadedCell: (i) => !member(i) }) +
    W.rivers.map((rv) => riverPaths(W, view, rv, 1 / k)).join("") +
    marks(W, P, { spacing: 10, size: 4.3, terrainOf: terrainOfTerritory(world), keep: free, opacityOf: (i) => (member(i) ? 1 : 0.4), rivers: riverPoints(W), seed: 11 + r }) +
    seals + labels + sheetFrame(SHOWN.w, SHOWN.h);
  return svgDoc(SHOWN.w, SHOWN.h, body).replace(`width="${SHOWN.w}" height="${SHOWN.h}"`, 'width="266" height="200" preserveAspectRatio="none"');
}

// A territory's seal on the region pictures: the glyph of its kind in a ringed disc.
function seal(x, y, r, glyphName, colour) {
  const rim = "#" + hex(colour).map((v) => Math.round(v * 0.5).toString(16).padStart(2, "0")).join("");
  return `<circle cx="${f1(x + 0.5)}" cy="${f1(y + 0.8)}" r="${f1(r)}" fill="#000" fill-opacity="0.25"/>` +
    `<circle cx="${f1(x)}" cy="${f1(y)}" r="${f1(r)}" fill="#f4ecd6" stroke="${rim}" stroke-width="1.6"/>` +
    `<circle cx="${f1(x)}" cy="${f1(y)}" r="${f1(r + 0.9)}" fill="none" stroke="${INK}" stroke-width="0.45"/>` +
    glyph(glyphName, x - r * 0.68, y - r * 0.68, r * 1.36, INK);
}

// The chronicle's power map: the attack map's continent washed in one pale tone, every
// territory's border inked, for the window to fill each territory in its ruler's colour and
// set its ruler's emblem on the spot of its button, which the terrain marks leave free.
// Its cells: the territory under every pixel, as grey level index + 1 (0 the sea), at the
// map's size and three times as large.
function powerMap(world, W) {
  const view = { x0: 0, y0: 0, k: 1, w: W.w, h: W.h };
  const P = paint(W, view, W.w * 3, W.h * 3, () => ({ rgb: [226, 214, 186], strength: 0.3 }));
  const free = (vx, vy, s) => W.inSquare(vx, vy, s + 1.5) < 0 && W.inSquare(vx - s, vy - s * 1.8, 1.5) < 0 && W.inSquare(vx + s, vy - s * 1.8, 1.5) < 0;
  const body = imageLayer(P.rgba, P.PW, P.PH, W.w, W.h) +
    inkLines(W, P, { coast: 1.15, border: 1.1, inner: 0.9 }) +
    W.rivers.map((r) => riverPaths(W, view, r)).join("") +
    marks(W, P, { spacing: 11, size: 3.8, terrainOf: terrainOfTerritory(world), keep: free, opacityOf: () => 0.55, rivers: riverPoints(W), seed: 13 }) +
    compass(488, 452, 30) + sheetFrame(W.w, W.h);
  const cells = (scale) => {
    const w = W.w * scale, h = W.h * scale, rgba = Buffer.alloc(w * h * 4), step = 3 / scale;
    for (let y = 0; y < h; y++) {
      for (let x = 0; x < w; x++) {
        const l = P.label[Math.floor((y + 0.5) * step) * P.PW + Math.floor((x + 0.5) * step)] + 1, p = (y * w + x) * 4;
        rgba[p] = rgba[p + 1] = rgba[p + 2] = l;
        rgba[p + 3] = 255;
      }
    }
    return { w, h, rgba };
  };
  return { svg: svgDoc(W.w, W.h, body), cells };
}

// A nation's emblem on the power map and in the chronicle's legends: its glyph in ink on a
// parchment disc, told apart without colour.
function emblem(glyphName) {
  const body =
    `<circle cx="12" cy="12.4" r="11.3" fill="#000" opacity="0.3"/>` +
    `<circle cx="12" cy="12" r="11.2" fill="#f6eed8" stroke="${INK}" stroke-width="1.3"/>` +
    glyph(glyphName, 4.2, 4.2, 15.6, INK);
  return svgDoc(24, 24, body);
}

module.exports = { attackMap, mainMap, regionPicture, powerMap, emblem };
