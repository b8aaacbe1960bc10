// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every picture of the game from the sources in assets/src and writes them to
// assets/pictures/<screen>/<widget>.png at their logical size, each with an @3x sibling,
// plus the application icons in assets/icons/hicolor.
//
//   tools/art/build            installs the generator's npm packages, then runs this
//   node tools/art/gen.js      (with them installed) regenerates everything
//   node tools/art/gen.js maps portraits ...   only those parts
//
// Parts: portraits, icons, maps, chronicle, titles, appIcon. Everything is deterministic: the same
// sources give the same pictures.
"use strict";
const fs = require("fs");
const path = require("path");
const { rasterise, renderPicture, usedGlyphs } = require("./lib/svg");
const { downsample, encodePNG } = require("./lib/raster");
const { attackWorld, mainWorld } = require("./world");
const maps = require("./maps");
const { portrait } = require("./portraits");
const { roundel } = require("./icons");
const titles = require("./titles");

const ROOT = path.resolve(__dirname, "../..");
const SRC = path.join(ROOT, "assets/src");
const PICS = path.join(ROOT, "assets/pictures");
const ICONS = path.join(ROOT, "assets/icons");
const load = (f) => JSON.parse(fs.readFileSync(path.join(SRC, f), "utf8"));
const world = load("world.json"), geo = load("geography.json"), nations = load("nations.json"), icons = load("icons.json");

const written = [];

// "da1.t(7)" is da1/t_7.png, "ma1.Command11" is ma1/Command11.png.
function pictureFile(name) {
  const [screen, widget] = name.split(".");
  return path.join(PICS, screen, widget.replace(/\((\d+)\)/, "_$1") + ".png");
}

function picture(name, svg, w, h) {
  const file = pictureFile(name);
  renderPicture(svg, file, w, h);
  written.push(file, file.replace(/\.png$/, "@3x.png"));
}

function portraits() {
  nations.nations.forEach((n, j) => picture(`da1.t(${j})`, portrait(n, nations.tinctures), n.width, 100));
}

function buttonIcons() {
  for (const [name, [g, rim]] of Object.entries(icons.icons)) picture(name, roundel(g, icons.rims[rim]), 32, 32);
  world.territories.forEach((t, i) => {
    const rim = "#" + world.regions[t.region].colour.slice(1).match(/../g).map((c) => Math.round(parseInt(c, 16) * 0.5).toString(16).padStart(2, "0")).join("");
    picture(`ma3.s${i}`, roundel(icons.territoryGlyphs[t.kind], rim), 32, 32);
  });
}

function allMaps() {
  const A = attackWorld(world, geo);
  picture("da1.Image1", maps.attackMap(world, A).svg, A.w, A.h);
  const M = mainWorld(world, geo);
  picture("ma1.Image1", maps.mainMap(world, M).svg, M.w, M.h);
  world.regions.forEach((r, i) => picture(r.picture, maps.regionPicture(world, A, i, icons), 266, 200));
  // The main screen opens on the desert, as its region name says.
  picture("ma1.Image2", maps.regionPicture(world, A, 0, icons), 266, 200);
}

// The chronicle window's power map, its cells and the nations' emblems.
function chronicle() {
  const { svg, cells } = maps.powerMap(world, attackWorld(world, geo));
  picture("chronicle.Map", svg, world.attackMap.size[0], world.attackMap.size[1]);
  const file = pictureFile("chronicle.Cells");
  for (const [scale, name] of [[1, file], [3, file.replace(/\.png$/, "@3x.png")]]) {
    const c = cells(scale);
    fs.writeFileSync(name, encodePNG(c.w, c.h, c.rgba));
    written.push(name);
  }
  nations.nations.forEach((n, j) => picture(`chronicle.emblem(${j})`, maps.emblem(n.emblem), 24, 24));
}

function titlePictures() {
  picture("op2.Image2", titles.logo(), 300, 80);
  picture("ma1.Command11", titles.quitPicture(), 146, 100);
  picture("ma4.Image3", titles.confrontation(nations.tinctures.gules), 120, 120);
}

// The application icon in the desktop's hicolor theme: every size menus and panels ask
// for, and the drawing itself as the scalable icon. Named by the application id.
const APP_ID = "io.github.gunsei.Gunsei";
const ICON_SIZES = [16, 22, 24, 32, 48, 64, 128, 256];

function appIcon() {
  const theme = path.join(ICONS, "hicolor");
  const write = (dir, file, data) => {
    fs.mkdirSync(path.join(theme, dir, "apps"), { recursive: true });
    fs.writeFileSync(path.join(theme, dir, "apps", file), data);
    written.push(path.join(theme, dir, "apps", file));
  };
  for (const size of ICON_SIZES) {
    const big = rasterise(titles.appIcon(size), size * 3), small = downsample(big.pixels, big.width, big.height, 3);
    write(`${size}x${size}`, `${APP_ID}.png`, encodePNG(small.width, small.height, small.pixels));
  }
  write("scalable", `${APP_ID}.svg`, titles.appIcon(256) + "\n");
}

const parts = { portraits, icons: buttonIcons, maps: allMaps, chronicle, titles: titlePictures, appIcon };
const only = process.argv.slice(2);
for (const name of only) if (!parts[name]) throw new Error(`no part ${name}; parts: ${Object.keys(parts).join(", ")}`);
for (const [name, fn] of Object.entries(parts)) {
  if (only.length && !only.includes(name)) continue;
  const t0 = Date.now();
  fn();
  console.log(`${name}: ${((Date.now() - t0) / 1000).toFixed(1)} s`);
}

// A full run also clears pictures that no source makes any more, and lists the glyphs it drew.
if (!only.length) {
  const keep = new Set(written);
  for (const dir of [PICS, ICONS]) {
    for (const f of fs.readdirSync(dir, { recursive: true })) {
      const file = path.join(dir, f);
      if (!fs.statSync(file).isDirectory() && !keep.has(file)) { fs.unlinkSync(file); console.log("removed", path.relative(ROOT, file)); }
    }
  }
  fs.mkdirSync(path.join(__dirname, "work"), { recursive: true });
  fs.writeFileSync(path.join(__dirname, "work", "glyphs.txt"), [...usedGlyphs].sort().join("\n") + "\n");
}
