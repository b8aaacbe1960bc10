// SPDX-License-Identifier: GPL-3.0-or-later
// Contact sheets for looking at the pictures (drawn from the @3x files, as the game does), written to tools/art/work (not part of the game):
// every portrait, region picture and icon at display size and at twice that, and the attack
// map with the attack screen's buttons and neighbour lines laid over it.
//   node tools/art/sheets.js
"use strict";
const fs = require("fs");
const path = require("path");
const { rasterise, svgDoc, esc, MINCHO } = require("./lib/svg");
const { encodePNG } = require("./lib/raster");

const ROOT = path.resolve(__dirname, "../..");
const PICS = path.join(ROOT, "assets/pictures"), OUT = path.join(__dirname, "work");
const world = JSON.parse(fs.readFileSync(path.join(ROOT, "assets/src/world.json"), "utf8"));
const nations = JSON.parse(fs.readFileSync(path.join(ROOT, "assets/src/nations.json"), "utf8"));

const uri = (rel, sharp) => "data:image/png;base64," + fs.readFileSync(path.join(PICS, sharp ? rel.replace(/\.png$/, "@3x.png") : rel)).toString("base64");
const img = (rel, x, y, w, h, sharp) => `<image x="${x}" y="${y}" width="${w}" height="${h}" preserveAspectRatio="none" xlink:href="${uri(rel, sharp)}"/>`;

function write(name, w, h, body, scale = 1) {
  const r = rasterise(svgDoc(w, h, `<rect width="${w}" height="${h}" fill="#3b3b3b"/>` + body), w * scale);
  fs.writeFileSync(path.join(OUT, name), encodePNG(r.width, r.height, r.pixels));
  console.log(path.join("tools/art/work", name));
}

// A grid of pictures shown at the sizes the screens stretch them to.
function grid(name, items, cols, cw, ch, scale) {
  const rows = Math.ceil(items.length / cols), W = cols * (cw + 10) + 10, H = rows * (ch + 24) + 10;
  let body = "";
  items.forEach(([rel, w, h, caption], i) => {
    const x = 10 + (i % cols) * (cw + 10), y = 10 + Math.floor(i / cols) * (ch + 24);
    body += img(rel, x + (cw - w) / 2, y + (ch - h) / 2, w, h, true) +
      `<text x="${x + cw / 2}" y="${y + ch + 15}" font-family="${MINCHO}" font-size="10" fill="#eee" text-anchor="middle">${esc(caption)}</text>`;
  });
  write(name, W, H, body, scale);
}

function attackCheck(scale) {
  const [ox, oy] = world.attackMap.origin, [w, h] = world.attackMap.size;
  const c = world.territories.map((t) => [(t.button[0] - ox) / 15 + 20.5, (t.button[1] - oy) / 15 + 20.5]);
  let body = img("da1/Image1.png", 0, 0, w, h, true);
  for (const [a, b] of world.neighbours) body += `<path d="M${c[a][0]},${c[a][1]} L${c[b][0]},${c[b][1]}" stroke="#ff0000" stroke-width="1"/>`;
  world.territories.forEach((t, i) => {
    const x = c[i][0] - 20.5, y = c[i][1] - 20.5;
    body += `<rect x="${x}" y="${y}" width="41" height="41" fill="#d4d0c8" stroke="#404040" stroke-width="1"/>` + img(`ma3/s${i}.png`, x + 4.5, y + 4.5, 32, 32, true);
  });
  write(`check-attack${scale > 1 ? "@2x" : ""}.png`, w, h, body, scale);
}

fs.mkdirSync(OUT, { recursive: true });
for (const scale of [1, 2]) {
  const sfx = scale > 1 ? "@2x" : "";
  // portraits as the battle screen stretches them (3735 x 4095 twips)
  grid(`portraits${sfx}.png`, nations.nations.map((n, j) => [`da1/t_${j}.png`, 249 * (n.width / 100) * 1.06, 273, `${j} ${n.name}`]), 7, 260, 273, scale);
  grid(`regions${sfx}.png`, world.regions.map((r) => [`${r.picture.replace(".", "/")}.png`, 337, 273, r.name]), 4, 337, 273, scale);
  const icons = [];
  for (const i of [1, 2, 3, 4, 5, 6, 7, 10, 14, 13, 12, 15, 9]) icons.push([`ma1/Command${i}.png`, 32, 32, `ma1.${i}`]);
  for (const i of [1, 2, 3]) icons.push([`op2/Command${i}.png`, 32, 32, `op2.${i}`]);
  for (const i of [1, 2, 3, 4, 5, 11, 12, 13, 14, 15]) icons.push([`ma2/Command${i}.png`, 32, 32, `ma2.${i}`]);
  for (let i = 0; i < 35; i++) icons.push([`ma3/s${i}.png`, 32, 32, `s${i}`]);
  grid(`icons${sfx}.png`, icons, 16, 44, 32, scale);
  grid(`titles${sfx}.png`, [["op2/Image2.png", 300, 80, "op2.Image2"], ["ma1/Command11.png", 146, 100, "ma1.Command11"], ["ma4/Image3.png", 120, 120, "ma4.Image3"], ["ma1/Image1.png", 337, 241, "ma1.Image1"]], 4, 337, 241, scale);
  attackCheck(scale);
}
