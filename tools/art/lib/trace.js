// SPDX-License-Identifier: GPL-3.0-or-later
// Turns boundaries in a label grid into smooth polylines: the coasts, borders and shore lines of the maps.
"use strict";

// Unit edges between pixels whose labels differ, grouped by classify(a, b) (a key, or null to skip),
// chained into polylines of pixel-corner points. Each chain ends where three or more edges meet.
function traceEdges(w, h, label, classify) {
  const groups = new Map();
  const add = (key, v1, v2) => {
    let g = groups.get(key);
    if (!g) groups.set(key, (g = new Map()));
    for (const [a, b] of [[v1, v2], [v2, v1]]) {
      let list = g.get(a);
      if (!list) g.set(a, (list = []));
      list.push(b);
    }
  };
  const W = w + 1;
  for (let y = 0; y < h; y++) {
    for (let x = 0; x < w; x++) {
      const a = label[y * w + x];
      if (x + 1 < w) {
        const b = label[y * w + x + 1];
        if (a !== b) {
          const key = classify(a, b);
          if (key !== null) add(key, y * W + x + 1, (y + 1) * W + x + 1);
        }
      }
      if (y + 1 < h) {
        const b = label[(y + 1) * w + x];
        if (a !== b) {
          const key = classify(a, b);
          if (key !== null) add(key, (y + 1) * W + x, (y + 1) * W + x + 1);
        }
      }
    }
  }
  const out = new Map();
  for (const [key, g] of groups) {
    const used = new Set(), lines = [];
    const ekey = (a, b) => (a < b ? a * 4e7 + b : b * 4e7 + a);
    const walk = (start, next) => {
      const pts = [start];
      let prev = start, cur = next;
      used.add(ekey(start, next));
      for (;;) {
        pts.push(cur);
        const nb = g.get(cur);
        if (nb.length !== 2) break;
        const nxt = nb[0] === prev ? nb[1] : nb[0];
        if (used.has(ekey(cur, nxt))) break;
        used.add(ekey(cur, nxt));
        prev = cur;
        cur = nxt;
      }
      return pts.map((v) => [v % W, Math.floor(v / W)]);
    };
    for (const [v, nb] of g) if (nb.length !== 2) for (const n of nb) if (!used.has(ekey(v, n))) lines.push(walk(v, n));
    for (const [v, nb] of g) for (const n of nb) if (!used.has(ekey(v, n))) lines.push(walk(v, n));
    out.set(key, lines);
  }
  return out;
}

function simplify(pts, eps) {
  if (pts.length < 3) return pts;
  const last = pts[pts.length - 1];
  if (pts[0][0] === last[0] && pts[0][1] === last[1]) {
    // A closed line: split it at its farthest point from the start.
    let m = 1, md = -1;
    pts.forEach((p, i) => {
      const d = Math.hypot(p[0] - pts[0][0], p[1] - pts[0][1]);
      if (d > md) { md = d; m = i; }
    });
    if (m === 0 || m === pts.length - 1) return pts;
    return simplify(pts.slice(0, m + 1), eps).concat(simplify(pts.slice(m), eps).slice(1));
  }
  const keep = new Uint8Array(pts.length);
  keep[0] = keep[pts.length - 1] = 1;
  const stack = [[0, pts.length - 1]];
  while (stack.length) {
    const [i, j] = stack.pop();
    const [ax, ay] = pts[i], [bx, by] = pts[j];
    const dx = bx - ax, dy = by - ay, len = Math.hypot(dx, dy) || 1;
    let best = -1, bd = eps;
    for (let k = i + 1; k < j; k++) {
      const d = Math.abs((pts[k][0] - ax) * dy - (pts[k][1] - ay) * dx) / len;
      if (d > bd) { bd = d; best = k; }
    }
    if (best >= 0) {
      keep[best] = 1;
      stack.push([i, best], [best, j]);
    }
  }
  return pts.filter((_, k) => keep[k]);
}

// Corner cutting; a closed line (first point equal to the last) stays closed.
function chaikin(pts, rounds) {
  for (let r = 0; r < rounds; r++) {
    if (pts.length < 3) return pts;
    const closed = pts[0][0] === pts[pts.length - 1][0] && pts[0][1] === pts[pts.length - 1][1];
    const out = closed ? [] : [pts[0]];
    for (let i = 0; i < pts.length - 1; i++) {
      const [ax, ay] = pts[i], [bx, by] = pts[i + 1];
      out.push([ax * 0.75 + bx * 0.25, ay * 0.75 + by * 0.25], [ax * 0.25 + bx * 0.75, ay * 0.25 + by * 0.75]);
    }
    if (closed) out.push(out[0]);
    else out.push(pts[pts.length - 1]);
    pts = out;
  }
  return pts;
}

const lineLength = (pts) => pts.reduce((s, p, i) => (i ? s + Math.hypot(p[0] - pts[i - 1][0], p[1] - pts[i - 1][1]) : 0), 0);

// Traced pixel lines to smooth lines in another unit: scale k per pixel.
function smoothLines(lines, k, { eps = 0.75, rounds = 3, minLength = 0 } = {}) {
  return lines
    .map((l) => chaikin(simplify(l, eps), rounds).map(([x, y]) => [x * k, y * k]))
    .filter((l) => l.length > 1 && lineLength(l) >= minLength);
}

const pathData = (lines, f = (v) => Math.round(v * 100) / 100) =>
  lines.map((l) => "M" + l.map(([x, y]) => `${f(x)},${f(y)}`).join("L")).join("");

module.exports = { traceEdges, simplify, chaikin, smoothLines, pathData, lineLength };
