// SPDX-License-Identifier: GPL-3.0-or-later
// The continent as functions of a point, for the two maps: the attack map (one cell per
// territory, each territory under its button) and the main map (one cell per region, each
// region under its click area). Both answer the same questions: how far a point is from the
// sea, and who owns it.
"use strict";
const { fbm } = require("./lib/raster");

const clamp = (v, a, b) => Math.max(a, Math.min(b, v));

function distSeg(px, py, ax, ay, bx, by) {
  const dx = bx - ax, dy = by - ay;
  const t = clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy || 1), 0, 1);
  return { d: Math.hypot(px - ax - t * dx, py - ay - t * dy), t };
}

// Distance to a polyline of [x, y, width] points, less the width there: below 0 inside the channel.
function channelDist(px, py, pts) {
  let best = Infinity;
  for (let i = 1; i < pts.length; i++) {
    const [ax, ay, aw] = pts[i - 1], [bx, by, bw] = pts[i];
    const { d, t } = distSeg(px, py, ax, ay, bx, by);
    best = Math.min(best, d - (aw + (bw - aw) * t));
  }
  return best;
}

const rectDist = (px, py, [x0, y0, x1, y1]) => {
  const dx = Math.max(x0 - px, 0, px - x1), dy = Math.max(y0 - py, 0, py - y1);
  return Math.hypot(dx, dy);
};

// Smooth minimum: joins two shapes with a fillet of size k.
function smin(a, b, k) {
  if (!isFinite(a)) return b;
  const h = Math.max(k - Math.abs(a - b), 0) / k;
  return Math.min(a, b) - (h * h * k) / 4;
}

// Signed distance to a box: below 0 inside.
function boxDist(px, py, [x0, y0, x1, y1]) {
  const qx = Math.abs(px - (x0 + x1) / 2) - (x1 - x0) / 2, qy = Math.abs(py - (y0 + y1) / 2) - (y1 - y0) / 2;
  return Math.min(Math.max(qx, qy), 0) + Math.hypot(Math.max(qx, 0), Math.max(qy, 0));
}

const BUTTON = 41; // the territory buttons are 615 twips square

// The coast function with every enclosed pool of water filled in, except the lakes named:
// water inland comes only where the geography asks for it.
function solid(coast, [w, h], lakes, step = 0.5, pad = 8) {
  const gw = Math.ceil((w + 2 * pad) / step), gh = Math.ceil((h + 2 * pad) / step), n = gw * gh;
  const water = new Uint8Array(n);
  for (let j = 0; j < gh; j++) for (let i = 0; i < gw; i++) water[j * gw + i] = coast(i * step - pad, j * step - pad) >= 0 ? 1 : 0;
  const reached = new Uint8Array(n), queue = [];
  const seed = (p) => { if (water[p] && !reached[p]) { reached[p] = 1; queue.push(p); } };
  for (let i = 0; i < gw; i++) { seed(i); seed((gh - 1) * gw + i); }
  for (let j = 0; j < gh; j++) { seed(j * gw); seed(j * gw + gw - 1); }
  while (queue.length) {
    const p = queue.pop(), i = p % gw, j = (p - i) / gw;
    for (let dj = -1; dj <= 1; dj++) for (let di = -1; di <= 1; di++) {
      const a = i + di, b = j + dj;
      if (a >= 0 && b >= 0 && a < gw && b < gh) seed(b * gw + a);
    }
  }
  const pool = new Uint8Array(n);
  for (let p = 0; p < n; p++) {
    if (!water[p] || reached[p]) continue;
    const i = p % gw, j = (p - i) / gw, x = i * step - pad, y = j * step - pad;
    if (lakes.some(([lx, ly, r]) => Math.hypot(x - lx, y - ly) < r * 1.35)) continue;
    for (let dj = -1; dj <= 1; dj++) for (let di = -1; di <= 1; di++) {
      const a = i + di, b = j + dj;
      if (a >= 0 && b >= 0 && a < gw && b < gh) pool[b * gw + a] = 1;
    }
  }
  return (x, y) => {
    const i = Math.round((x + pad) / step), j = Math.round((y + pad) / step);
    if (i >= 0 && j >= 0 && i < gw && j < gh && pool[j * gw + i]) return -1;
    return coast(x, y);
  };
}

// The attack map: 534 x 508 units, one unit per pixel of the attack screen's map.
function attackWorld(world, geo) {
  const g = geo.attack, T = world.territories;
  const origin = world.attackMap.origin;
  const squares = T.map((t) => {
    const l = (t.button[0] - origin[0]) / 15, u = (t.button[1] - origin[1]) / 15;
    return [l, u, l + BUTTON, u + BUTTON];
  });
  const centres = squares.map((s) => [(s[0] + s[2]) / 2, (s[1] + s[3]) / 2]);
  const inSquare = (x, y, m = 0) => squares.findIndex((s) => x >= s[0] - m && x < s[2] + m && y >= s[1] - m && y < s[3] + m);

  // Below 0 on land. Every button stands on land, and so does every line between neighbours.
  const joins = world.neighbours.map(([a, b]) => {
    const [ax, ay] = centres[a], [bx, by] = centres[b], m = g.joinWidth + 14;
    return { ax, ay, bx, by, box: [Math.min(ax, bx) - m, Math.min(ay, by) - m, Math.max(ax, bx) + m, Math.max(ay, by) + m] };
  });
  function coast(x, y) {
    let d = Infinity;
    for (const s of squares) {
      const r = rectDist(x, y, s) - g.reach;
      if (r < d + g.blend) d = smin(d, r, g.blend);
    }
    for (const j of joins) {
      if (x < j.box[0] || y < j.box[1] || x > j.box[2] || y > j.box[3]) continue;
      d = Math.min(d, distSeg(x, y, j.ax, j.ay, j.bx, j.by).d - g.joinWidth);
    }
    for (const band of g.landBands) d = Math.min(d, channelDist(x, y, band));
    for (const [ix, iy, r] of g.islands) d = Math.min(d, Math.hypot(x - ix, y - iy) - r);
    d += 7 * fbm(x / 34, y / 34, 3, 4) + 2.2 * fbm(x / 8, y / 8, 4, 3);
    for (const ch of g.channels) {
      const c = channelDist(x, y, ch);
      if (c < 6) d = Math.max(d, -(c + 2.2 * fbm(x / 9, y / 9, 6, 3)));
    }
    for (const [lx, ly, r] of g.lakes) {
      const l = Math.hypot(x - lx, y - ly);
      if (l < r * 1.5) d = Math.max(d, r * (1 + 0.18 * fbm(x / 5, y / 5, 41, 2)) - l);
    }
    for (const s of squares) if (rectDist(x, y, s) < 2.5) d = Math.min(d, -3);
    return d;
  }

  // The territory at a point: its own button's square, else the nearest square, measured from
  // a point shaken by noise so that borders wander, but less so close to the buttons.
  function owner(x, y) {
    const own = inSquare(x, y, 1.5);
    if (own >= 0) return own;
    let near = Infinity;
    for (const s of squares) near = Math.min(near, rectDist(x, y, s));
    const a = 7 * clamp((near - 2) / 10, 0, 1);
    const wx = x + a * fbm(x / 26, y / 26, 11, 3), wy = y + a * fbm(x / 26, y / 26, 12, 3);
    let best = 0, bd = Infinity;
    squares.forEach((s, i) => {
      const d = rectDist(wx, wy, s);
      if (d < bd) { bd = d; best = i; }
    });
    return best;
  }

  return {
    w: world.attackMap.size[0], h: world.attackMap.size[1], squares, centres, inSquare, owner,
    coast: solid(coast, world.attackMap.size, g.lakes),
    regionOf: (i) => T[i].region,
    cellColour: (i) => T[i].colour,
    rivers: g.rivers,
  };
}

// The main map: 337 x 241 units, one unit per pixel of the main screen's map picture.
function mainWorld(world, geo) {
  const g = geo.main, R = world.regions;
  const origin = world.mainMap.origin;
  const toMap = ([l, t, w, h]) => [(l - origin[0]) / 15, (t - origin[1]) / 15, (l - origin[0] + w) / 15, (t - origin[1] + h) / 15];
  // Neighbouring click areas overlap by a pixel; each region keeps up to the middle of it.
  const cells = R.map((r) => toMap(r.clickArea));
  for (const a of cells) {
    for (const b of cells) {
      if (a === b) continue;
      if (Math.abs(a[2] - b[0]) <= 1.01) { const m = (a[2] + b[0]) / 2; a[2] = m; b[0] = m; }
      if (Math.abs(a[3] - b[1]) <= 1.01) { const m = (a[3] + b[1]) / 2; a[3] = m; b[1] = m; }
    }
  }

  // The sea is a few boxes; the coast keeps an inset from them, and land corners are rounded
  // by joining the boxes smoothly.
  function coast(x, y) {
    let sea = Infinity;
    for (const b of g.seas) sea = smin(sea, boxDist(x, y, b), g.rounding);
    let d = -sea;
    for (const [ix, iy, r] of g.islands) d = Math.min(d, Math.hypot(x - ix, y - iy) - r - g.inset);
    d += g.inset + 12 * fbm(x / 50, y / 50, 25, 2) + 5 * fbm(x / 20, y / 20, 23, 3) + 1.4 * fbm(x / 6, y / 6, 24, 3);
    for (const ch of g.channels) {
      const c = channelDist(x, y, ch);
      if (c < 4) d = Math.max(d, -(c + 1.2 * fbm(x / 7, y / 7, 26, 3)));
    }
    for (const [lx, ly, r] of g.lakes) {
      const l = Math.hypot(x - lx, y - ly);
      if (l < r * 1.5) d = Math.max(d, r * (1 + 0.18 * fbm(x / 4, y / 4, 27, 2)) - l);
    }
    return d;
  }

  // The white region names of the main screen: 9-point Gothic, about 12 pixels a character.
  const labels = R.map((r) => {
    const lx = (r.label[0] - origin[0]) / 15, ly = (r.label[1] - origin[1]) / 15;
    return [lx, ly - 1.5, lx + [...r.name].length * 12 + 1, ly + 14.5];
  });

  // The region at a point: under a name, the name's region; elsewhere the click area nearest
  // to a point shaken by noise, shaken less close to the names.
  function owner(x, y) {
    let near = Infinity;
    for (let i = 0; i < labels.length; i++) {
      const d = rectDist(x, y, labels[i]);
      if (d < 2) return i;
      near = Math.min(near, d);
    }
    const a = 15 * clamp((near - 2) / 14, 0.2, 1);
    const wx = x + a * fbm(x / 30, y / 30, 21, 3), wy = y + a * fbm(x / 30, y / 30, 22, 3);
    let best = 0, bd = Infinity;
    cells.forEach((c, i) => {
      const d = rectDist(wx, wy, c);
      if (d < bd) { bd = d; best = i; }
    });
    return best;
  }

  return {
    w: world.mainMap.size[0], h: world.mainMap.size[1], cells, labels, owner,
    coast: solid(coast, world.mainMap.size, g.lakes),
    regionOf: (i) => i,
    cellColour: (i) => R[i].colour,
    rivers: g.rivers,
  };
}

module.exports = { attackWorld, mainWorld, channelDist, distSeg, rectDist, BUTTON };
