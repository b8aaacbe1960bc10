// Draws every picture of the game as SVG and renders it at its logical size and at @3x.
// Usage: node gen.js   (run from anywhere; tools/art/build is the usual entry point)
"use strict";
const fs = require("fs");
const path = require("path");
const { execFileSync } = require("child_process");
const { paint, hash, fbm } = require("./raster");
const { attackWorld, mainWorld, ATTACK, MAIN, distLine } = require("./world");

const ROOT = path.resolve(__dirname, "../..");
const SRC = path.join(ROOT, "assets/src");
const PICS = path.join(ROOT, "assets/pictures");
const WORK = path.join(__dirname, "work");
const load = (f) => JSON.parse(fs.readFileSync(path.join(SRC, f), "utf8"));
const world = load("world.json"), nations = load("nations.json"), icons = load("icons.json"), geo = load("geography.json");
const GLYPHS = require("@iconify-json/game-icons/icons.json").icons;

const INK = "#33261a", PARCH = "#eadcb9", PARCH_DARK = "#d3bd8e", GOLD = "#c49a42";
const MINCHO = "IPAPMincho", BRUSH = "AoyagiKouzanFontT";
const esc = (s) => s.replace(/&/g, "&amp;").replace(/</g, "&lt;");
const f1 = (v) => Math.round(v * 100) / 100;

fs.mkdirSync(WORK, { recursive: true });

// A picture named "SCREEN.WIDGET" or "SCREEN.NAME(INDEX)" lives at SCREEN/WIDGET.png or SCREEN/NAME_INDEX.png.
function pictureFile(name) {
  const [screen, widget] = name.split(".");
  return path.join(PICS, screen, widget.replace(/\((\d+)\)/, "_$1") + ".png");
}

// Renders an SVG at w x h and at 3w x 3h next to it.
function render(svg, file, w, h) {
  fs.mkdirSync(path.dirname(file), { recursive: true });
  const tmp = path.join(WORK, path.relative(ROOT, file).replace(/[\/]/g, "_").replace(/\.png$/, ".svg"));
  fs.writeFileSync(tmp, svg);
  execFileSync("rsvg-convert", ["-w", String(w), "-h", String(h), "-o", file, tmp]);
  execFileSync("rsvg-convert", ["-w", String(w * 3), "-h", String(h * 3), "-o", file.replace(/\.png$/, "@3x.png"), tmp]);
}

const svgDoc = (vw, vh, body, defs = "", vx = 0, vy = 0) =>
  `<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" viewBox="${f1(vx)} ${f1(vy)} ${f1(vw)} ${f1(vh)}" width="${f1(vw)}" height="${f1(vh)}" preserveAspectRatio="none"><defs>${defs}</defs>${body}</svg>`;

// A game-icons glyph (512 x 512) placed in the box x, y, s x s.
function glyph(name, x, y, s, fill = INK, extra = "") {
  const g = GLYPHS[name];
  if (!g) throw new Error("no glyph " + name);
  return `<g transform="translate(${f1(x)},${f1(y)}) scale(${s / 512})" ${extra}>${g.body.replace(/currentColor/g, fill)}</g>`;
}

function star(x, y, r, fill, k = 0.38) {
  const pts = [];
  for (let i = 0; i < 8; i++) {
    const a = (i * Math.PI) / 4 - Math.PI / 2, rr = i % 2 ? r * k : r;
    pts.push(`${f1(x + rr * Math.cos(a))},${f1(y + rr * Math.sin(a))}`);
  }
  return `<polygon points="${pts.join(" ")}" fill="${fill}"/>`;
}

const paperFilter = (id, freq, amount) =>
  `<filter id="${id}" x="0" y="0" width="100%" height="100%"><feTurbulence type="fractalNoise" baseFrequency="${freq}" numOctaves="3" seed="4" result="n"/>` +
  `<feColorMatrix in="n" type="matrix" values="0 0 0 0 0.2  0 0 0 0 0.14  0 0 0 0 0.08  0 0 0 ${amount} 0"/><feComposite in2="SourceGraphic" operator="in"/></filter>`;

// ---------------------------------------------------------------- portraits
function division(kind, W, col) {
  const H = 100, b = 17;
  const shapes = {
    pale: `<rect x="${W / 2}" y="0" width="${W / 2}" height="${H}"/>`,
    fess: `<rect x="0" y="${H / 2}" width="${W}" height="${H / 2}"/>`,
    bend: `<polygon points="0,0 ${W},0 ${W},${H}"/>`,
    bendsinister: `<polygon points="0,0 ${W},0 0,${H}"/>`,
    quarterly: `<rect x="${W / 2}" y="0" width="${W / 2}" height="${H / 2}"/><rect x="0" y="${H / 2}" width="${W / 2}" height="${H / 2}"/>`,
    chevron: `<polygon points="0,${H} 0,${H * 0.78} ${W / 2},${H * 0.3} ${W},${H * 0.78} ${W},${H}"/>`,
    saltire: `<polygon points="0,0 ${b},0 ${W},${H - b} ${W},${H} ${W - b},${H} 0,${b}"/><polygon points="${W},0 ${W},${b} ${b},${H} 0,${H} 0,${H - b} ${W - b},0"/>`,
    cross: `<rect x="${W / 2 - b / 2}" y="0" width="${b}" height="${H}"/><rect x="0" y="${H * 0.36}" width="${W}" height="${b}"/>`,
    barry: [0, 1, 2, 3].map((i) => `<rect x="0" y="${i * 25 + 12.5}" width="${W}" height="12.5"/>`).join(""),
  };
  return `<g fill="${col}">${shapes[kind]}</g>`;
}

function portrait(n, W) {
  const T = nations.tinctures, a = T[n.field[0]], b = T[n.field[1]];
  const x0 = W * 0.15, x1 = W * 0.85, r = (x1 - x0) / 2, top = 8, bot = 92;
  const arch = `M${f1(x0)},${bot} L${f1(x0)},${f1(top + r)} A${f1(r)},${f1(r)} 0 0 1 ${f1(x1)},${f1(top + r)} L${f1(x1)},${bot} Z`;
  const s = Math.min(x1 - x0 + 12, 76), gx = W / 2 - s / 2, gy = bot - s + 3;
  const defs = paperFilter("grain", 0.9, 0.35) +
    `<radialGradient id="med" cx="0.5" cy="0.35" r="0.75"><stop offset="0" stop-color="#f4ead0"/><stop offset="1" stop-color="${PARCH_DARK}"/></radialGradient>` +
    `<radialGradient id="tint" cx="0.5" cy="1" r="0.9"><stop offset="0" stop-color="${a}" stop-opacity="0.28"/><stop offset="1" stop-color="${a}" stop-opacity="0"/></radialGradient>` +
    `<radialGradient id="vig" cx="0.5" cy="0.5" r="0.7"><stop offset="0.6" stop-color="#000" stop-opacity="0"/><stop offset="1" stop-color="#000" stop-opacity="0.45"/></radialGradient>` +
    `<pattern id="diaper" width="6" height="6" patternUnits="userSpaceOnUse"><path d="M0,0 L6,6 M6,0 L0,6" stroke="#000" stroke-width="0.35" opacity="0.18"/></pattern>` +
    `<clipPath id="archclip"><path d="${arch}"/></clipPath>`;
  const body =
    `<rect width="${W}" height="100" fill="${a}"/>${division(n.division, W, b)}` +
    `<rect width="${W}" height="100" fill="url(#diaper)"/><rect width="${W}" height="100" fill="url(#vig)"/>` +
    star(x0 / 2 + 0.5, 9, 4, "#f1dc9a") + star(W - x0 / 2 - 0.5, 9, 4, "#f1dc9a") +
    `<path d="${arch}" fill="url(#med)"/><path d="${arch}" fill="url(#tint)"/>` +
    `<g clip-path="url(#archclip)">` +
    glyph(n.icon, gx + 1.6, gy + 1.2, s, a, 'opacity="0.55"') + glyph(n.icon, gx, gy, s, "#2a1f16") + `</g>` +
    `<path d="${arch}" fill="none" stroke="${GOLD}" stroke-width="2.2"/><path d="${arch}" fill="none" stroke="${INK}" stroke-width="0.8"/>` +
    `<rect x="0" y="${bot}" width="${W}" height="${100 - bot}" fill="${INK}" opacity="0.35"/>` +
    `<rect width="${W}" height="100" filter="url(#grain)"/>` +
    `<rect x="1" y="1" width="${W - 2}" height="98" fill="none" stroke="${GOLD}" stroke-width="2"/>` +
    `<rect x="0.3" y="0.3" width="${W - 0.6}" height="99.4" fill="none" stroke="${INK}" stroke-width="0.8"/>` +
    `<rect x="2.6" y="2.6" width="${W - 5.2}" height="94.8" fill="none" stroke="${INK}" stroke-width="0.5" opacity="0.7"/>`;
  return svgDoc(W, 100, body, defs);
}

function portraits() {
  nations.nations.forEach((n, j) => render(portrait(n, n.width), pictureFile(`da1.t(${j})`), n.width, 100));
}

// ---------------------------------------------------------------- button icons
const ARROWS = {
  "own:up": `<path d="M16,7 L25,20 L19.5,20 L19.5,25 L12.5,25 L12.5,20 L7,20 Z" fill="${INK}"/>`,
  "own:down": `<path d="M16,25 L25,12 L19.5,12 L19.5,7 L12.5,7 L12.5,12 L7,12 Z" fill="${INK}"/>`,
};

function roundel(glyphName, rim) {
  const defs = `<radialGradient id="face" cx="0.4" cy="0.35" r="0.8"><stop offset="0" stop-color="#f6edd6"/><stop offset="1" stop-color="${PARCH_DARK}"/></radialGradient>`;
  const inner = ARROWS[glyphName] || glyph(glyphName, 5, 5, 22, INK);
  const body =
    `<circle cx="16" cy="16" r="14.6" fill="url(#face)" stroke="${rim}" stroke-width="2.4"/>` +
    `<circle cx="16" cy="16" r="15.6" fill="none" stroke="${INK}" stroke-width="0.7"/>` +
    `<circle cx="16" cy="16" r="13.1" fill="none" stroke="${INK}" stroke-width="0.4" opacity="0.6"/>` + inner;
  return svgDoc(32, 32, body, defs);
}

const darken = (hexc, k) => "#" + [1, 3, 5].map((i) => Math.round(parseInt(hexc.slice(i, i + 2), 16) * k).toString(16).padStart(2, "0")).join("");

function buttonIcons() {
  for (const [name, [g, rim]] of Object.entries(icons.icons)) render(roundel(g, icons.rims[rim]), pictureFile(name), 32, 32);
  world.territories.forEach((t, i) => {
    const rim = darken(world.regions[t.region].colour, 0.55);
    render(roundel(icons.territoryGlyphs[t.kind], rim), pictureFile(`ma3.s${i}`), 32, 32);
  });
}

// ---------------------------------------------------------------- map drawing
// Catmull-Rom curve through the points, as an SVG path.
function smoothPath(pts) {
  let d = `M${f1(pts[0][0])},${f1(pts[0][1])}`;
  for (let i = 0; i < pts.length - 1; i++) {
    const p0 = pts[Math.max(0, i - 1)], p1 = pts[i], p2 = pts[i + 1], p3 = pts[Math.min(pts.length - 1, i + 2)];
    const c1 = [p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6];
    const c2 = [p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6];
    d += ` C${f1(c1[0])},${f1(c1[1])} ${f1(c2[0])},${f1(c2[1])} ${f1(p2[0])},${f1(p2[1])}`;
  }
  return d;
}

function rivers(list, k = 1) {
  return list.map((r) => `<path d="${smoothPath(r.line)}" fill="none" stroke="#4a6a7c" stroke-width="${r.width * k}" stroke-linecap="round" stroke-linejoin="round"${r.dry ? ` stroke-dasharray="${2.4 * k},${1.6 * k}" opacity="0.8"` : ""}/>`).join("");
}

// One terrain mark of height about s at x, y (its foot).
function mark(type, x, y, s) {
  const X = (v) => f1(x + v * s), Y = (v) => f1(y + v * s), sw = f1(0.13 * s);
  switch (type) {
    case "mountain":
      return `<path d="M${X(-1)},${Y(0)} L${X(0)},${Y(-1.25)} L${X(1)},${Y(0)} Z" fill="#d9ccb2"/>` +
        `<path d="M${X(0)},${Y(-1.25)} L${X(1)},${Y(0)} L${X(0.1)},${Y(0)} Z" fill="#7b6c5c" opacity="0.75"/>` +
        `<path d="M${X(-0.28)},${Y(-0.9)} L${X(0)},${Y(-1.25)} L${X(0.3)},${Y(-0.88)} L${X(0.12)},${Y(-0.8)} L${X(0)},${Y(-0.92)} Z" fill="#f6f1e4"/>` +
        `<path d="M${X(-1)},${Y(0)} L${X(0)},${Y(-1.25)} L${X(1)},${Y(0)}" fill="none" stroke="${INK}" stroke-width="${sw}" stroke-linejoin="round"/>`;
    case "hill":
      return `<path d="M${X(-1)},${Y(0)} Q${X(0)},${Y(-1.15)} ${X(1)},${Y(0)}" fill="${INK}" fill-opacity="0.08" stroke="${INK}" stroke-width="${sw}"/>` +
        `<path d="M${X(0.25)},${Y(-0.42)} L${X(0.45)},${Y(-0.05)} M${X(0.5)},${Y(-0.3)} L${X(0.65)},${Y(-0.03)}" stroke="${INK}" stroke-width="${f1(0.08 * s)}" opacity="0.7"/>`;
    case "tree":
      return `<path d="M${X(0)},${Y(0)} L${X(0)},${Y(-0.45)}" stroke="${INK}" stroke-width="${sw}"/>` +
        `<ellipse cx="${X(0)}" cy="${Y(-0.78)}" rx="${f1(0.42 * s)}" ry="${f1(0.5 * s)}" fill="#5f7446" stroke="${INK}" stroke-width="${f1(0.1 * s)}"/>` +
        `<ellipse cx="${X(-0.12)}" cy="${Y(-0.92)}" rx="${f1(0.14 * s)}" ry="${f1(0.17 * s)}" fill="#8a9b64" opacity="0.8"/>`;
    case "grass":
      return `<path d="M${X(-0.5)},${Y(0)} L${X(-0.65)},${Y(-0.5)} M${X(0)},${Y(0)} L${X(0)},${Y(-0.7)} M${X(0.5)},${Y(0)} L${X(0.65)},${Y(-0.5)}" stroke="#4d5a33" stroke-width="${sw}" stroke-linecap="round" opacity="0.8"/>`;
    case "dune":
      return `<path d="M${X(-1.1)},${Y(0)} Q${X(-0.3)},${Y(-0.75)} ${X(0.5)},${Y(-0.25)} M${X(-0.4)},${Y(0.35)} Q${X(0.3)},${Y(-0.3)} ${X(1.1)},${Y(0.15)}" fill="none" stroke="#7a5d33" stroke-width="${sw}" opacity="0.75"/>`;
    case "rock":
      return [[-0.5, 0], [0.1, -0.3], [0.55, 0.1]].map(([a, b]) => `<circle cx="${X(a)}" cy="${Y(b)}" r="${f1(0.13 * s)}" fill="#6b5431" opacity="0.7"/>`).join("");
    case "field":
      return `<path d="M${X(-0.8)},${Y(0)} L${X(0.5)},${Y(0)} L${X(0.8)},${Y(-0.6)} L${X(-0.5)},${Y(-0.6)} Z" fill="#b59a52" fill-opacity="0.35" stroke="${INK}" stroke-width="${f1(0.07 * s)}" opacity="0.8"/>` +
        `<path d="M${X(-0.45)},${Y(-0.15)} L${X(0.55)},${Y(-0.15)} M${X(-0.3)},${Y(-0.3)} L${X(0.62)},${Y(-0.3)} M${X(-0.15)},${Y(-0.45)} L${X(0.7)},${Y(-0.45)}" stroke="${INK}" stroke-width="${f1(0.05 * s)}" opacity="0.6"/>`;
  }
  return "";
}

// Terrain marks scattered over land: a jittered grid, the kind chosen by the region's terrain list.
function scatter(w, terrainOf, spacing, size, keep, x0 = 0, y0 = 0, x1 = 534, y1 = 508) {
  const out = [];
  for (let gy = Math.floor(y0 / spacing); gy * spacing < y1; gy++) {
    for (let gx = Math.floor(x0 / spacing); gx * spacing < x1; gx++) {
      const x = (gx + 0.15 + 0.7 * hash(gx, gy, 71)) * spacing, y = (gy + 0.15 + 0.7 * hash(gx, gy, 72)) * spacing;
      if (w.landDistance(x, y) > -4 || w.lake(x, y) || w.lakeDistance(x, y) < 3) continue;
      const terrain = terrainOf(w.owner(x, y));
      const n = fbm(x / 30, y / 30, 80, 3);
      const type = n > 0.12 ? terrain[0] : n < -0.18 ? terrain[2] : terrain[1];
      const s = size * (type === "mountain" ? 1.5 : 1) * (0.85 + 0.3 * hash(gx, gy, 73));
      if (keep(x, y, s, w.owner(x, y))) out.push({ x, y, type, s, owner: w.owner(x, y) });
    }
  }
  return out.sort((a, b) => a.y - b.y);
}

function compass(x, y, r) {
  let s = `<circle cx="${x}" cy="${y}" r="${f1(r * 0.72)}" fill="none" stroke="${INK}" stroke-width="${f1(r * 0.04)}"/>`;
  for (let i = 0; i < 8; i++) {
    const a = (i * Math.PI) / 4 - Math.PI / 2, len = i % 2 ? r * 0.6 : r, wdt = r * (i % 2 ? 0.1 : 0.16);
    const tip = [x + len * Math.cos(a), y + len * Math.sin(a)];
    const l = [x + wdt * Math.cos(a - Math.PI / 2), y + wdt * Math.sin(a - Math.PI / 2)];
    const rr = [x + wdt * Math.cos(a + Math.PI / 2), y + wdt * Math.sin(a + Math.PI / 2)];
    s += `<polygon points="${f1(x)},${f1(y)} ${f1(l[0])},${f1(l[1])} ${f1(tip[0])},${f1(tip[1])}" fill="${PARCH}" stroke="${INK}" stroke-width="${f1(r * 0.03)}"/>`;
    s += `<polygon points="${f1(x)},${f1(y)} ${f1(rr[0])},${f1(rr[1])} ${f1(tip[0])},${f1(tip[1])}" fill="${INK}"/>`;
  }
  return s + `<text x="${x}" y="${f1(y - r * 1.08)}" font-family="${MINCHO}" font-size="${f1(r * 0.42)}" text-anchor="middle" fill="${INK}">北</text>`;
}

const rasterImage = (png, x, y, w, h) =>
  `<image x="${f1(x)}" y="${f1(y)}" width="${f1(w)}" height="${f1(h)}" preserveAspectRatio="none" xlink:href="data:image/png;base64,${png.toString("base64")}"/>`;

const frame = (x, y, w, h, k) =>
  `<rect x="${f1(x + 0.8 * k)}" y="${f1(y + 0.8 * k)}" width="${f1(w - 1.6 * k)}" height="${f1(h - 1.6 * k)}" fill="none" stroke="${INK}" stroke-width="${f1(1.2 * k)}"/>` +
  `<rect x="${f1(x + 2.6 * k)}" y="${f1(y + 2.6 * k)}" width="${f1(w - 5.2 * k)}" height="${f1(h - 5.2 * k)}" fill="none" stroke="${INK}" stroke-width="${f1(0.4 * k)}"/>`;

const ATT = attackWorld(world, geo);
const terrainOfTerritory = (i) => world.regions[world.territories[i].region].terrain;

// The attack map: drawn in the screen's 534 x 508 space, stored squeezed to the picture's size
// and stretched back by the screen, so the territories meet their buttons.
function attackMap(picW, picH) {
  const png = paint(ATT, { x: 0, y: 0, w: ATTACK.w, h: ATTACK.h }, ATTACK.w * 2, ATTACK.h * 2);
  const clear = (x, y, s) => ATT.inSquare(x, y, s + 2) < 0 && ATT.inSquare(x - s, y - s * 1.3, 2) < 0 && ATT.inSquare(x + s, y - s * 1.3, 2) < 0;
  const marks = scatter(ATT, terrainOfTerritory, 11, 4.2, clear).map((m) => mark(m.type, m.x, m.y, m.s)).join("");
  const body = rasterImage(png, 0, 0, ATTACK.w, ATTACK.h) + rivers(geo.rivers) + marks +
    glyph("galleon", 360, 430, 34, INK, 'opacity="0.55"') + compass(492, 462, 24) + frame(0, 0, ATTACK.w, ATTACK.h, 1);
  const svg = svgDoc(ATTACK.w, ATTACK.h, body).replace(`width="${ATTACK.w}" height="${ATTACK.h}"`, `width="${picW}" height="${picH}"`);
  render(svg, pictureFile("da1.Image1"), picW, picH);
}

// A close view of one region: its territories in colour with their names, the rest washed out.
function regionPicture(r, name) {
  const reg = world.regions[r];
  const sq = reg.members.map((i) => ATT.squares[i]);
  let x0 = Math.min(...sq.map((s) => s[0])) - 26, x1 = Math.max(...sq.map((s) => s[2])) + 26;
  let y0 = Math.min(...sq.map((s) => s[1])) - 22, y1 = Math.max(...sq.map((s) => s[3])) + 22;
  // widen to the picture's 4:3
  let w = x1 - x0, h = y1 - y0;
  if (w / h < 266 / 200) { const nw = (h * 266) / 200; x0 -= (nw - w) / 2; w = nw; } else { const nh = (w * 200) / 266; y0 -= (nh - h) / 2; h = nh; }
  const k = w / 266; // world units per picture pixel
  const faded = Object.assign({}, ATT, { faded: (i) => !reg.members.includes(i) });
  const png = paint(faded, { x: x0, y: y0, w, h }, 266 * 4, 200 * 4);
  const marks = scatter(ATT, terrainOfTerritory, 11, 4.2, () => true, x0 - 10, y0 - 10, x0 + w + 10, y0 + h + 20)
    .map((m) => `<g opacity="${reg.members.includes(m.owner) ? 1 : 0.35}">${mark(m.type, m.x, m.y, m.s)}</g>`).join("");
  const fs = 10.5 * k, boxes = [];
  let labels = "";
  for (const i of reg.members) {
    const [cx, cy] = ATT.centres[i], t = world.territories[i];
    const tw = t.name.length * fs * 0.98, ms = 15 * k;
    labels += `<circle cx="${f1(cx)}" cy="${f1(cy)}" r="${f1(ms * 0.68)}" fill="${PARCH}" stroke="${INK}" stroke-width="${f1(0.9 * k)}"/>` +
      glyph(icons.territoryGlyphs[t.kind], cx - ms * 0.45, cy - ms * 0.45, ms * 0.9, INK);
    const spots = [[cx, cy + ms * 0.75 + fs], [cx, cy - ms * 0.75 - fs * 0.25], [cx + ms * 0.75 + tw / 2, cy + fs * 0.38], [cx - ms * 0.75 - tw / 2, cy + fs * 0.38]];
    let best = spots[0];
    for (const [sx, sy] of spots) {
      const b = [sx - tw / 2, sy - fs, sx + tw / 2, sy + fs * 0.25];
      const inside = b[0] > x0 + 3 * k && b[2] < x0 + w - 3 * k && b[1] > y0 + 3 * k && b[3] < y0 + h - 3 * k;
      if (inside && !boxes.some((o) => b[0] < o[2] && b[2] > o[0] && b[1] < o[3] && b[3] > o[1])) { best = [sx, sy]; break; }
    }
    boxes.push([best[0] - tw / 2, best[1] - fs, best[0] + tw / 2, best[1] + fs * 0.25]);
    labels += `<text x="${f1(best[0])}" y="${f1(best[1])}" font-family="${MINCHO}" font-size="${f1(fs)}" text-anchor="middle" fill="${INK}" stroke="#f3ead2" stroke-width="${f1(2.6 * k)}" stroke-linejoin="round" paint-order="stroke">${esc(t.name)}</text>`;
  }
  const body = rasterImage(png, x0, y0, w, h) + rivers(geo.rivers, 1.2) + marks + labels + frame(x0, y0, w, h, k);
  render(svgDoc(w, h, body, "", x0, y0).replace(`width="${f1(w)}" height="${f1(h)}"`, 'width="266" height="200"'), pictureFile(name), 266, 200);
}

function regionPictures() {
  world.regions.forEach((r, i) => regionPicture(i, r.picture));
  // the main screen opens on the desert
  regionPicture(0, "ma1.Image2");
}

// The main map: one cell per region under its click area, with dark ground under the white names.
function mainMap() {
  const W = mainWorld(world, geo);
  const png = paint(W, { x: 0, y: 0, w: MAIN.w, h: MAIN.h }, MAIN.w * 6, MAIN.h * 6);
  const labelBox = (r) => {
    const lx = (r.label[0] - MAIN.origin[0]) / 15, ly = (r.label[1] - MAIN.origin[1]) / 15;
    return [lx - 3, ly - 3, lx + r.name.length * 12 + 3, ly + 17];
  };
  const boxes = world.regions.map(labelBox);
  const free = (x, y, s) => !boxes.some((b) => x + s > b[0] && x - s < b[2] && y > b[1] && y - s * 1.4 < b[3]);
  const marks = scatter(W, (r) => world.regions[r].terrain, 8.5, 3.2, free, 0, 0, MAIN.w, MAIN.h).map((m) => mark(m.type, m.x, m.y, m.s)).join("");
  const defs = `<radialGradient id="wash"><stop offset="0.35" stop-color="#1e160e" stop-opacity="0.62"/><stop offset="1" stop-color="#1e160e" stop-opacity="0"/></radialGradient>`;
  const washes = boxes.map((b) => `<ellipse cx="${f1((b[0] + b[2]) / 2)}" cy="${f1((b[1] + b[3]) / 2)}" rx="${f1((b[2] - b[0]) / 2 + 10)}" ry="${f1((b[3] - b[1]) / 2 + 7)}" fill="url(#wash)"/>`).join("");
  const body = rasterImage(png, 0, 0, MAIN.w, MAIN.h) + rivers(geo.mainRivers, 1) + marks + washes +
    glyph("galleon", 236, 196, 24, INK, 'opacity="0.5"') + compass(316, 214, 15) + frame(0, 0, MAIN.w, MAIN.h, 0.8);
  render(svgDoc(MAIN.w, MAIN.h, body, defs), pictureFile("ma1.Image1"), MAIN.w, MAIN.h);
}

// ---------------------------------------------------------------- title, quit, confrontation, app icon
function starField(w, h, n, seed, maxR, colour) {
  let s = "";
  for (let i = 0; i < n; i++) {
    const x = hash(i, 1, seed) * w, y = hash(i, 2, seed) * h, r = (0.3 + hash(i, 3, seed)) * maxR;
    s += r > maxR * 0.85 ? star(x, y, r * 1.8, colour) : `<circle cx="${f1(x)}" cy="${f1(y)}" r="${f1(r * 0.45)}" fill="${colour}" opacity="${f1(0.5 + hash(i, 4, seed) / 2)}"/>`;
  }
  return s;
}

function logo() {
  const defs = `<linearGradient id="gilt" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#f6e3a4"/><stop offset="0.55" stop-color="#d2a84e"/><stop offset="1" stop-color="#8f6a2a"/></linearGradient>` +
    `<filter id="glow" x="-10%" y="-30%" width="120%" height="160%"><feGaussianBlur stdDeviation="2.2"/></filter>`;
  const text = (extra) => `<text x="150" y="55" font-family="${BRUSH}" font-size="50" text-anchor="middle" ${extra}>群星の年代記</text>`;
  const body = starField(300, 80, 26, 9, 1.3, "#e8d9a8") +
    text(`fill="#c9a24a" opacity="0.45" filter="url(#glow)"`) +
    text(`fill="url(#gilt)" stroke="#2a1c10" stroke-width="1.6" stroke-linejoin="round" paint-order="stroke"`) +
    `<path d="M40,69 L138,69 M162,69 L260,69" stroke="#b99345" stroke-width="0.9"/>` + star(150, 69, 5, "#e3c777") +
    star(32, 69, 2.5, "#b99345") + star(268, 69, 2.5, "#b99345");
  render(svgDoc(300, 80, body, defs), pictureFile("op2.Image2"), 300, 80);
}

function castleSilhouette(y, w, fill) {
  return `<path d="M0,${y} L0,${y - 8} L14,${y - 11} L28,${y - 7} L38,${y - 9} L38,${y - 26} L36,${y - 26} L36,${y - 30} L40,${y - 30} L40,${y - 27} L43,${y - 27} L43,${y - 30} L47,${y - 30} L47,${y - 26} L45,${y - 26} L45,${y - 16} L58,${y - 16} L58,${y - 38} L55,${y - 38} L62,${y - 50} L69,${y - 38} L66,${y - 38} L66,${y - 16} L79,${y - 16} L79,${y - 24} L77,${y - 24} L77,${y - 28} L81,${y - 28} L81,${y - 25} L84,${y - 25} L84,${y - 28} L88,${y - 28} L88,${y - 24} L86,${y - 24} L86,${y - 10} L104,${y - 13} L124,${y - 8} L${w},${y - 11} L${w},${y} Z" fill="${fill}"/>`;
}

function quitPicture() {
  const defs = `<linearGradient id="sky" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#141d33"/><stop offset="0.7" stop-color="#3b3250"/><stop offset="1" stop-color="#7a5a4e"/></linearGradient>`;
  const body = `<rect width="146" height="100" fill="url(#sky)"/>` + starField(146, 70, 60, 3, 1.1, "#efe4bf") +
    `<circle cx="118" cy="20" r="9" fill="#efe0aa"/><circle cx="122" cy="17" r="8" fill="#1a2238"/>` +
    castleSilhouette(100, 146, "#0d0a08") +
    `<text x="73" y="62" font-family="${BRUSH}" font-size="34" text-anchor="middle" fill="#f1e2b4" stroke="#1a1208" stroke-width="2.2" stroke-linejoin="round" paint-order="stroke">終了</text>` +
    `<rect x="1" y="1" width="144" height="98" fill="none" stroke="${GOLD}" stroke-width="2"/><rect x="0.3" y="0.3" width="145.4" height="99.4" fill="none" stroke="#0d0a08" stroke-width="0.8"/>`;
  render(svgDoc(146, 100, body, defs), pictureFile("ma1.Command11"), 146, 100);
}

// Between the two sides of the attack confirmation: crossed swords over a shield, on the screen's black.
function confrontation() {
  const defs = `<radialGradient id="halo"><stop offset="0" stop-color="#7a2a22" stop-opacity="0.75"/><stop offset="1" stop-color="#7a2a22" stop-opacity="0"/></radialGradient>` +
    `<linearGradient id="steel" x1="0" y1="0" x2="1" y2="1"><stop offset="0" stop-color="#f3ead2"/><stop offset="1" stop-color="#b9a57a"/></linearGradient>`;
  const body = `<rect width="120" height="120" fill="#000"/><circle cx="60" cy="60" r="58" fill="url(#halo)"/>` +
    glyph("crossed-swords", 14, 12, 92, "url(#steel)") +
    `<path d="M60,36 L80,42 C80,64 73,76 60,84 C47,76 40,64 40,42 Z" fill="${nations.tinctures.gules}" stroke="${GOLD}" stroke-width="2.4"/>` +
    `<path d="M60,36 L80,42 C80,64 73,76 60,84 C47,76 40,64 40,42 Z" fill="none" stroke="#000" stroke-width="0.8"/>` +
    star(60, 58, 10, "#f1dc9a") + star(48, 47, 3.2, "#f1dc9a") + star(72, 47, 3.2, "#f1dc9a");
  render(svgDoc(120, 120, body, defs), pictureFile("ma4.Image3"), 120, 120);
}

function appIcon() {
  const defs = `<radialGradient id="night" cx="0.5" cy="0.4" r="0.7"><stop offset="0" stop-color="#2f3f66"/><stop offset="1" stop-color="#121a2e"/></radialGradient>`;
  const seven = [[128, 44, 13], [92, 62, 8], [164, 62, 8], [66, 92, 6], [190, 92, 6], [108, 86, 5], [148, 86, 5]];
  const body = `<circle cx="128" cy="128" r="122" fill="url(#night)"/>` + starField(256, 150, 40, 5, 1.6, "#d9cfae") +
    seven.map(([x, y, r]) => star(x, y, r, "#f1dc9a")).join("") +
    glyph("open-book", 48, 100, 160, PARCH, 'stroke="#1a1208" stroke-width="14"') +
    `<circle cx="128" cy="128" r="122" fill="none" stroke="${GOLD}" stroke-width="9"/><circle cx="128" cy="128" r="126" fill="none" stroke="#1a1208" stroke-width="3"/>` +
    `<circle cx="128" cy="128" r="115" fill="none" stroke="#1a1208" stroke-width="2"/>`;
  const svg = svgDoc(256, 256, body, defs);
  const dir = path.join(ROOT, "assets/icons");
  fs.mkdirSync(dir, { recursive: true });
  fs.writeFileSync(path.join(dir, "gunsei.svg"), svg + "\n");
  execFileSync("rsvg-convert", ["-w", "256", "-h", "256", "-o", path.join(dir, "gunsei.png"), path.join(dir, "gunsei.svg")]);
}

const parts = { portraits, buttonIcons, maps: () => { attackMap(266, 200); mainMap(); regionPictures(); }, logo, quitPicture, confrontation, appIcon };
const only = process.argv.slice(2);
for (const [name, fn] of Object.entries(parts)) {
  if (only.length && !only.includes(name)) continue;
  const t0 = Date.now();
  fn();
  console.log(`${name}: ${((Date.now() - t0) / 1000).toFixed(1)} s`);
}
