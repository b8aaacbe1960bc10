// The continent as functions of a point: the attack-map world (one cell per territory) and
// the main-map world (one cell per region).
"use strict";
const { fbm, hex } = require("./raster");

const distSeg = (px, py, ax, ay, bx, by) => {
  const dx = bx - ax, dy = by - ay;
  const t = Math.max(0, Math.min(1, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy || 1)));
  return Math.hypot(px - ax - t * dx, py - ay - t * dy);
};
const distLine = (px, py, pts) => {
  let m = Infinity;
  for (let i = 1; i < pts.length; i++) m = Math.min(m, distSeg(px, py, ...pts[i - 1], ...pts[i]));
  return m;
};
const distRect = (px, py, [x0, y0, x1, y1]) => {
  const dx = Math.max(x0 - px, 0, px - x1), dy = Math.max(y0 - py, 0, py - y1);
  return Math.hypot(dx, dy);
};

// Attack-map space: 534 x 508 units, one unit per pixel of the screen's map.
const ATTACK = { w: 534, h: 508, origin: [480, 360] };
const BUTTON = 41;

function attackWorld(src, geo) {
  const T = src.territories;
  const sq = T.map((t) => {
    const l = (t.button[0] - ATTACK.origin[0]) / 15, u = (t.button[1] - ATTACK.origin[1]) / 15;
    return [l, u, l + BUTTON, u + BUTTON];
  });
  const c = sq.map((s) => [(s[0] + s[2]) / 2, (s[1] + s[3]) / 2]);
  const pairs = geo.neighbours;
  const inSquare = (x, y, m = 0) => sq.findIndex((s) => x >= s[0] - m && x < s[2] + m && y >= s[1] - m && y < s[3] + m);
  const lakeDistance = (x, y) => Math.min(...geo.lakes.map(([lx, ly, r]) => Math.hypot(x - lx, y - ly) - r * (1 + 0.25 * fbm(x / 6, y / 6, 41, 2))));

  const landDistance = (x, y) => {
    let d = Infinity;
    for (const [x0, y0] of c) d = Math.min(d, Math.hypot(x - x0, y - y0) - 34);
    for (const [a, b] of pairs) d = Math.min(d, distSeg(x, y, ...c[a], ...c[b]) - 22);
    for (const band of geo.landBands) d = Math.min(d, distLine(x, y, band.line) - band.width);
    d += 8 * fbm(x / 38, y / 38, 3, 4) + 2.5 * fbm(x / 7, y / 7, 4, 3);
    for (const ch of geo.seaChannels) d = Math.max(d, ch.width - distLine(x, y, ch.line) + 3 * fbm(x / 11, y / 11, 6, 3));
    if (inSquare(x, y, 2) >= 0) d = Math.min(d, -3); // every button stands on land
    return d;
  };
  const owner = (x, y) => {
    const s = inSquare(x, y);
    if (s >= 0) return s; // the button's square is its own territory
    const wx = x + 9 * fbm(x / 22, y / 22, 11, 3), wy = y + 9 * fbm(x / 22, y / 22, 12, 3);
    let best = 0, bd = Infinity;
    c.forEach(([x0, y0], i) => {
      const d = Math.hypot(wx - x0, wy - y0);
      if (d < bd) { bd = d; best = i; }
    });
    return best;
  };
  return {
    squares: sq, centres: c, landDistance, owner,
    lake: (x, y) => inSquare(x, y, 2) < 0 && lakeDistance(x, y) < 0, lakeDistance,
    fill: T.map((t) => hex(t.fill)),
    regionOf: T.map((t) => t.region),
    relief: T.map((t) => geo.relief[src.regions[t.region].terrain[0]] || 0),
    faded: () => false,
    inSquare,
  };
}

// Main-map space: 337 x 241 units, the picture's logical pixels.
const MAIN = { w: 337, h: 241, origin: [120, 240] };

function mainWorld(src, geo) {
  const R = src.regions;
  const rect = R.map((r) => {
    const [l, t, w, h] = r.clickArea;
    const x0 = (l - MAIN.origin[0]) / 15, y0 = (t - MAIN.origin[1]) / 15;
    return [x0, y0, x0 + w / 15, y0 + h / 15];
  });
  const landDistance = (x, y) => {
    let d = Infinity;
    for (const r of rect) d = Math.min(d, distRect(x, y, r) - 2);
    d += 5 * fbm(x / 24, y / 24, 3, 4) + 1.6 * fbm(x / 5, y / 5, 4, 3);
    for (const ch of geo.mainSeaChannels) d = Math.max(d, ch.width - distLine(x, y, ch.line) + 2 * fbm(x / 8, y / 8, 6, 3));
    // the region names sit on land
    for (const r of R) {
      const lx = (r.label[0] - MAIN.origin[0]) / 15, ly = (r.label[1] - MAIN.origin[1]) / 15;
      if (x >= lx - 2 && x < lx + r.name.length * 12 + 2 && y >= ly - 2 && y < ly + 16) d = Math.min(d, -2);
    }
    return d;
  };
  const owner = (x, y) => {
    const wx = x + 5 * fbm(x / 16, y / 16, 11, 3), wy = y + 5 * fbm(x / 16, y / 16, 12, 3);
    let best = 0, bd = Infinity;
    rect.forEach((r, i) => {
      // inside a rectangle counts as nearer the deeper one goes
      const inside = wx >= r[0] && wx <= r[2] && wy >= r[1] && wy <= r[3];
      const d = inside ? -Math.min(wx - r[0], r[2] - wx, wy - r[1], r[3] - wy) : distRect(wx, wy, r);
      if (d < bd) { bd = d; best = i; }
    });
    return best;
  };
  const lakeDistance = (x, y) => Math.min(...geo.mainLakes.map(([lx, ly, r]) => Math.hypot(x - lx, y - ly) - r * (1 + 0.25 * fbm(x / 4, y / 4, 41, 2))));
  return {
    rects: rect, landDistance, owner,
    lake: (x, y) => lakeDistance(x, y) < 0, lakeDistance,
    fill: R.map((r) => hex(r.colour)),
    regionOf: R.map((_, i) => i),
    relief: R.map((r) => geo.relief[r.terrain[0]] || 0),
    faded: () => false,
  };
}

module.exports = { attackWorld, mainWorld, ATTACK, MAIN, BUTTON, distLine };
