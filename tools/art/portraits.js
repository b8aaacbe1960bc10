// SPDX-License-Identifier: GPL-3.0-or-later
// The nations' portraits (da1.t(0..25)): a bust in an arched niche on the nation's heraldic
// field, with its emblem on the keystone.
"use strict";
const { hex } = require("./lib/raster");
const { f1, svgDoc, glyph, star } = require("./lib/svg");

const INK = "#2a1f16", GOLD = "#c9a04b", GOLD_LIGHT = "#f0d991";
const shade = (c, k) => "#" + hex(c).map((v) => Math.max(0, Math.min(255, Math.round(v * k))).toString(16).padStart(2, "0")).join("");
const tint = (c, t) => "#" + hex(c).map((v) => Math.round(v + (236 - v) * t).toString(16).padStart(2, "0")).join("");

function division(kind, W, H, col) {
  const b = 16;
  const shapes = {
    pale: `<rect x="${W / 2}" y="0" width="${W / 2}" height="${H}"/>`,
    fess: `<rect x="0" y="${H / 2}" width="${W}" height="${H / 2}"/>`,
    bend: `<polygon points="0,0 ${W},0 ${W},${H}"/>`,
    bendsinister: `<polygon points="0,0 ${W},0 0,${H}"/>`,
    quarterly: `<rect x="${W / 2}" y="0" width="${W / 2}" height="${H / 2}"/><rect x="0" y="${H / 2}" width="${W / 2}" height="${H / 2}"/>`,
    chevron: `<polygon points="0,${H} 0,${H * 0.8} ${W / 2},${H * 0.32} ${W},${H * 0.8} ${W},${H}"/>`,
    saltire: `<polygon points="0,0 ${b},0 ${W},${H - b} ${W},${H} ${W - b},${H} 0,${b}"/><polygon points="${W},0 ${W},${b} ${b},${H} 0,${H} 0,${H - b} ${W - b},0"/>`,
    cross: `<rect x="${W / 2 - b / 2}" y="0" width="${b}" height="${H}"/><rect x="0" y="${H * 0.4}" width="${W}" height="${b}"/>`,
    barry: [0, 1, 2, 3].map((i) => `<rect x="0" y="${i * 25 + 12.5}" width="${W}" height="12.5"/>`).join(""),
  };
  return `<g fill="${col}">${shapes[kind]}</g>`;
}

function portrait(n, T) {
  const W = n.width, H = 100, a = T[n.field[0]], b = T[n.field[1]];
  const x0 = W * 0.14, x1 = W * 0.86, r = (x1 - x0) / 2, top = 13, bot = 87;
  const arch = `M${f1(x0)},${bot} L${f1(x0)},${f1(top + r)} A${f1(r)},${f1(r)} 0 0 1 ${f1(x1)},${f1(top + r)} L${f1(x1)},${bot} Z`;
  const s = Math.min(x1 - x0 + 10, 74), gx = W / 2 - s / 2, gy = bot - s + 2;
  const sky = tint(a, 0.72);
  const defs =
    `<linearGradient id="niche" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="${sky}"/><stop offset="0.75" stop-color="#efe5cc"/><stop offset="1" stop-color="#d9c79e"/></linearGradient>` +
    `<radialGradient id="glow" cx="0.5" cy="0.42" r="0.55"><stop offset="0" stop-color="#fff8e4" stop-opacity="0.85"/><stop offset="1" stop-color="#fff8e4" stop-opacity="0"/></radialGradient>` +
    `<linearGradient id="inkfill" x1="0" y1="0" x2="0.4" y2="1"><stop offset="0" stop-color="#47372a"/><stop offset="1" stop-color="${INK}"/></linearGradient>` +
    `<radialGradient id="vig" cx="0.5" cy="0.5" r="0.72"><stop offset="0.55" stop-color="#000" stop-opacity="0"/><stop offset="1" stop-color="#000" stop-opacity="0.42"/></radialGradient>` +
    `<pattern id="diaper" width="7" height="7" patternUnits="userSpaceOnUse"><path d="M0,3.5 L3.5,0 L7,3.5 L3.5,7 Z" fill="none" stroke="#000" stroke-width="0.3" opacity="0.22"/><circle cx="3.5" cy="3.5" r="0.55" fill="#fff" opacity="0.16"/></pattern>` +
    `<clipPath id="inside"><path d="${arch}"/></clipPath>`;
  const medal = (cx, cy, rr) =>
    `<circle cx="${f1(cx)}" cy="${f1(cy + 0.6)}" r="${rr}" fill="#000" opacity="0.35"/>` +
    `<circle cx="${f1(cx)}" cy="${f1(cy)}" r="${rr}" fill="${shade(b, 0.9)}" stroke="${GOLD}" stroke-width="1.4"/>` +
    `<circle cx="${f1(cx)}" cy="${f1(cy)}" r="${f1(rr + 0.7)}" fill="none" stroke="${INK}" stroke-width="0.5"/>` +
    glyph(n.emblem, cx - rr * 0.68, cy - rr * 0.68, rr * 1.36, hex(b).reduce((s2, v) => s2 + v, 0) > 420 ? INK : GOLD_LIGHT);
  const body =
    `<rect width="${W}" height="${H}" fill="${a}"/>${division(n.division, W, H, b)}` +
    `<rect width="${W}" height="${H}" fill="url(#diaper)"/><rect width="${W}" height="${H}" fill="url(#vig)"/>` +
    star(x0 / 2 + 0.6, 22, 3.2, GOLD_LIGHT) + star(W - x0 / 2 - 0.6, 22, 3.2, GOLD_LIGHT) +
    `<path d="${arch}" fill="#000" opacity="0.35" transform="translate(0.8,1)"/>` +
    `<path d="${arch}" fill="url(#niche)"/>` +
    `<g clip-path="url(#inside)"><ellipse cx="${W / 2}" cy="${f1(top + r + 8)}" rx="${f1(r * 1.05)}" ry="${f1(r * 1.2)}" fill="url(#glow)"/>` +
    glyph(n.bust, gx + 1.8, gy + 1.4, s, shade(a, 0.8), 'opacity="0.6"') + glyph(n.bust, gx, gy, s, "url(#inkfill)") + `</g>` +
    `<path d="${arch}" fill="none" stroke="${GOLD}" stroke-width="2.2"/><path d="${arch}" fill="none" stroke="${INK}" stroke-width="0.7"/>` +
    `<rect x="0" y="${bot + 1.1}" width="${W}" height="${H - bot}" fill="${INK}" opacity="0.55"/>` +
    `<path d="M3,${bot + 1.1} L${W - 3},${bot + 1.1}" stroke="${GOLD}" stroke-width="0.9"/>` +
    star(W / 2, bot + 6.6, 2.4, GOLD_LIGHT) + star(W / 2 - 10, bot + 6.6, 1.5, GOLD) + star(W / 2 + 10, bot + 6.6, 1.5, GOLD) +
    medal(W / 2, top + 1, 8.2) +
    `<rect x="1" y="1" width="${W - 2}" height="${H - 2}" fill="none" stroke="${GOLD}" stroke-width="2"/>` +
    `<rect x="0.3" y="0.3" width="${W - 0.6}" height="${H - 0.6}" fill="none" stroke="${INK}" stroke-width="0.7"/>` +
    `<rect x="2.6" y="2.6" width="${W - 5.2}" height="${H - 5.2}" fill="none" stroke="${INK}" stroke-width="0.45" opacity="0.75"/>`;
  return svgDoc(W, H, body, defs);
}

module.exports = { portrait };
