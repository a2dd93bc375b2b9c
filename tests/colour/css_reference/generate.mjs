// Writes the reference answers the colour-text tests compare the hex box's paste with: many
// thousands of colour texts of every form, valid and not, in and far beyond sRGB, each with what
// an independent CSS colour library (culori 4) makes of it.
//
//   mkdir /tmp/ref && cd /tmp/ref && npm install culori@4
//   NODE_PATH=/tmp/ref/node_modules node generate.mjs | gzip -n -9 > pasted.tsv.gz
//
// Each line: the text (backslash escapes for \, tab, newline, return), a tab, then "none" when it is
// not a colour, or the three channels 0..255 after clipping, unrounded (4 decimals). The test
// rounds half up; a channel within 0.01 of a half may round either way (the two libraries' last
// bits differ).
//
// Lines starting with "@" give culori's own coordinates of sampled codes in the five written
// forms: "@form RRGGBB x y z" (hue "none" for a grey).
//
// Where culori and the CSS colour module disagree, the module holds; the generator then either
// leaves such texts out or states the module's answer itself:
// - culori reads the older comma syntax in hwb(), lab(), lch(), oklab(), oklch() and color(), and
//   mixes numbers and percentages in rgb()'s comma syntax: the module allows commas in rgb(),
//   rgba(), hsl() and hsla() only, all numbers or all percentages => "none" is written for those.
// - culori takes "none" inside the comma syntax: the module does not => "none".
// - hsl() saturation and lightness outside 0..100 %: culori keeps them, the module clamps
//   saturation (and this program clamps lightness as it always has): not generated.
// - culori does not count a carriage return as a blank; CSS reads it as a newline => culori is
//   asked about the text with its returns made newlines.
// - culori reads function names in lower case only; CSS ignores their case => culori is asked
//   about the text in lower case.
// - Lengths beyond 1e6 (chroma 1e300): culori's arithmetic overflows; not generated here (the
//   C++ test checks them on its own).
import { createRequire } from 'module';
const require = createRequire(import.meta.url);
const culori = require('culori');
const toRgb = culori.converter('rgb');

// A fixed sequence, so the file changes only when the generator does.
let seed = 0x2545f491;
function random() {
    seed ^= seed << 13; seed >>>= 0;
    seed ^= seed >>> 17;
    seed ^= seed << 5; seed >>>= 0;
    return seed / 4294967296;
}
const pick = (list) => list[Math.floor(random() * list.length)];
const between = (lo, hi) => lo + random() * (hi - lo);

// A number as style sheets may write it: whole, decimal, leading dot, exponent, explicit sign.
function written(value) {
    const style = random();
    if (style < 0.35) return String(Math.round(value));
    if (style < 0.8) return value.toFixed(Math.floor(between(1, 5)));
    if (style < 0.85 && Math.abs(value) < 1 && value >= 0) return value.toFixed(3).replace(/^0/, '');
    if (style < 0.9) return (value >= 0 ? '+' : '') + value.toFixed(2);
    return value.toExponential(3).replace('e+', 'e');
}

// One argument of each kind: [text, allowed where].
function hue() {
    const degrees = between(-400, 800);
    const unit = pick(['', '', 'deg', 'grad', 'rad', 'turn']);
    const factor = { '': 1, deg: 1, grad: 400 / 360, rad: Math.PI / 180, turn: 1 / 360 }[unit];
    return random() < 0.05 ? 'none' : written(degrees * factor) + unit;
}
function amount(lo, hi, percentLo, percentHi) {
    if (random() < 0.05) return 'none';
    return random() < 0.5 ? written(between(lo, hi)) : written(between(percentLo, percentHi)) + '%';
}
function alpha() {
    return pick(['', '', ` / ${written(random())}`, ` / ${written(random() * 100)}%`, ' / none', '/.5']);
}

// In and beyond sRGB: each form's arguments over a range wider than the screen's.
const forms = {
    rgb: () => [amount(-40, 300, -20, 120), amount(-40, 300, -20, 120), amount(-40, 300, -20, 120)],
    hsl: () => [hue(), amount(0, 100, 0, 100), amount(0, 100, 0, 100)],
    hwb: () => [hue(), amount(0, 100, 0, 100), amount(0, 100, 0, 100)],
    lab: () => [amount(-10, 110, -10, 110), amount(-160, 160, -130, 130), amount(-160, 160, -130, 130)],
    lch: () => [amount(-10, 110, -10, 110), amount(-10, 230, -10, 150), hue()],
    oklab: () => [amount(-0.1, 1.1, -10, 110), amount(-0.5, 0.5, -120, 120), amount(-0.5, 0.5, -120, 120)],
    oklch: () => [amount(-0.1, 1.1, -10, 110), amount(-0.05, 0.5, -10, 120), hue()],
};
const spaces = ['srgb', 'srgb-linear', 'display-p3', 'a98-rgb', 'prophoto-rgb', 'rec2020', 'xyz', 'xyz-d50', 'xyz-d65'];
const colorArgs = () => [0, 1, 2].map(() => amount(-0.3, 1.3, -30, 130));

const blanks = () => pick([' ', ' ', '  ', '\t', '\n ', ' \r\n']);
const lines = [];
const seen = new Set();

function answer(text) {
    const c = culori.parse(text.replace(/\r\n?/g, '\n').toLowerCase());
    if (!c) return 'none';
    const rgb = toRgb(c);
    return ['r', 'g', 'b'].map((k) => (Math.min(1, Math.max(0, rgb[k] ?? 0)) * 255).toFixed(4)).join(' ');
}
function escape(text) {
    return text.replace(/\\/g, '\\\\').replace(/\t/g, '\\t').replace(/\n/g, '\\n').replace(/\r/g, '\\r');
}
function add(text, knownAnswer) {
    if (seen.has(text)) return;
    seen.add(text);
    lines.push(`${escape(text)}\t${knownAnswer ?? answer(text)}`);
}
function caseOf(name) {
    const r = random();
    return r < 0.8 ? name : r < 0.9 ? name.toUpperCase() : name[0].toUpperCase() + name.slice(1);
}

// Valid texts of the blank syntax.
for (let i = 0; i < 1500; ++i) {
    for (const name of Object.keys(forms)) {
        const args = forms[name]();
        const fn = name === 'rgb' || name === 'hsl' ? name + pick(['', 'a']) : name;
        add(`${caseOf(fn)}(${args.join(blanks())}${alpha()})`);
    }
    const args = colorArgs();
    add(`${caseOf('color')}(${pick(spaces)} ${args.join(blanks())}${alpha()})`);
}

// The comma syntax of rgb() and hsl(), and the same commas where the module refuses them.
for (let i = 0; i < 800; ++i) {
    const percent = random() < 0.5;
    const channel = () => (percent ? written(between(-20, 120)) + '%' : written(between(-40, 300)));
    const comma = () => pick([',', ', ', ' , ']);
    const legacyAlpha = pick(['', `${comma()}${written(random())}`, `${comma()}${written(random() * 100)}%`]);
    add(`${pick(['rgb', 'rgba'])}(${[channel(), channel(), channel()].join(comma())}${legacyAlpha})`);
    const s = written(between(0, 100)) + '%', l = written(between(0, 100)) + '%';
    add(`${pick(['hsl', 'hsla'])}(${[hue(), s, l].join(comma())}${legacyAlpha})`);
    // Commas where the module has none, mixed kinds, "none" among commas: not colours.
    const name = pick(['hwb', 'lab', 'lch', 'oklab', 'oklch']);
    add(`${name}(${forms[name]().filter((a) => a !== 'none').join(', ')})`, 'none');
    add(`rgb(${written(between(0, 255))}, ${written(between(0, 100))}%, ${written(between(0, 255))})`, 'none');
    add(`rgb(${written(between(0, 255))}, none, ${written(between(0, 255))})`, 'none');
    add(`color(${pick(spaces)}, ${colorArgs().filter((a) => a !== 'none').join(', ')})`, 'none');
}

// Texts that are not colours: each a small fault in an otherwise valid text.
const faults = [
    (f, a) => `${f}(${a.slice(0, 2).join(' ')})`, // too few arguments
    (f, a) => `${f}(${a.join(' ')} 0.5)`, // too many
    (f, a) => `${f}(${a.join(', ')} / 0.5)`, // commas mixed with the slash
    (f, a) => `${f}(${a.join(' ')} /)`, // an empty alpha
    (f, a) => `${f}(${a.join(' ')} / 1 / 1)`,
    (f, a) => `${f}(${a.join(' ')}`, // unclosed
    (f, a) => `${f} (${a.join(' ')})`, // a blank before the parenthesis
    (f, a) => `${f}(${a.join(' ')})x`,
    (f, a) => `${f}(${a[0]}px ${a[1]} ${a[2]})`, // a unit no colour takes
    (f, a) => `${f}x(${a.join(' ')})`, // an unknown function
];
for (let i = 0; i < 1000; ++i) {
    const name = pick(Object.keys(forms));
    const args = forms[name]().map((a) => (a === 'none' ? '1' : a));
    add(pick(faults)(name, args), 'none');
    const space = pick(spaces);
    const cargs = colorArgs().map((a) => (a === 'none' ? '0' : a));
    add(pick([
        `color(${space} ${cargs.slice(0, 2).join(' ')})`,
        `color(${space} ${cargs.join(' ')} 1)`,
        `color(${space}x ${cargs.join(' ')})`, // an unknown space
        `color(${cargs.join(' ')})`, // no space
        `color(${space} ${cargs[0]}deg ${cargs[1]} ${cargs[2]})`, // an angle where none is allowed
        `color(${space} ${cargs.join(' ')} / 0.5 / 1)`,
    ]), 'none');
    // A unit where none is allowed: an angle outside the hue, a percentage as the hue.
    const deg = pick(['deg', 'turn', 'rad', 'grad']);
    add(pick([
        `rgb(${written(between(0, 255))}${deg} 0 0)`,
        `lab(${written(between(0, 100))} ${written(between(-100, 100))}${deg} 0)`,
        `oklab(0.5 0.1 ${written(between(-0.3, 0.3))}${deg})`,
        `lch(50 30 ${written(between(0, 100))}%)`,
        `oklch(0.5 0.1 ${written(between(0, 100))}%)`,
        `hwb(${written(between(0, 100))}% 10% 10%)`,
        `hsl(${written(between(0, 100))}% 10% 10%)`,
        `hwb(30 ${written(between(0, 100))}deg 10%)`,
    ]), 'none');
}

// The five written forms, as this program writes them, for codes across the cube.
const form = {
    hwb: (c) => culori.converter('hwb')(c),
    lab: (c) => culori.converter('lab')(c),
    lch: (c) => culori.converter('lch')(c),
    oklab: (c) => culori.converter('oklab')(c),
    p3: (c) => culori.converter('p3')(c),
};
const hex = (n) => n.toString(16).padStart(6, '0');
const fix = (v, d) => String(Number(v.toFixed(d)) === 0 ? 0 : Number(v.toFixed(d)));
for (let code = 0; code < 1 << 24; code += 4099) {
    const colour = culori.parse('#' + hex(code));
    const grey = (code >> 16) === ((code >> 8) & 255) && ((code >> 8) & 255) === (code & 255);
    const hwb = form.hwb(colour), lab = form.lab(colour), lch = form.lch(colour);
    const oklab = form.oklab(colour), p3 = form.p3(colour);
    const h = (v) => (grey || v === undefined ? 'none' : v.toFixed(8));
    lines.push(`@hwb ${hex(code)} ${h(hwb.h)} ${(hwb.w * 100).toFixed(8)} ${(hwb.b * 100).toFixed(8)}`);
    lines.push(`@lab ${hex(code)} ${lab.l.toFixed(8)} ${lab.a.toFixed(8)} ${lab.b.toFixed(8)}`);
    lines.push(`@lch ${hex(code)} ${lch.l.toFixed(8)} ${lch.c.toFixed(8)} ${h(lch.h)}`);
    lines.push(`@oklab ${hex(code)} ${(oklab.l * 100).toFixed(8)} ${oklab.a.toFixed(8)} ${oklab.b.toFixed(8)}`);
    lines.push(`@p3 ${hex(code)} ${p3.r.toFixed(8)} ${p3.g.toFixed(8)} ${p3.b.toFixed(8)}`);
    // The same texts, with this program's decimals, read back by culori: each must give the
    // code's own digits (the generator stops otherwise).
    const texts = [
        `lab(${fix(lab.l, 2)} ${fix(lab.a, 2)} ${fix(lab.b, 2)})`,
        `oklab(${fix(oklab.l * 100, 2)}% ${fix(oklab.a, 5)} ${fix(oklab.b, 5)})`,
        `color(display-p3 ${fix(p3.r, 4)} ${fix(p3.g, 4)} ${fix(p3.b, 4)})`,
        `hwb(${grey ? 'none' : fix(hwb.h ?? 0, 1)} ${fix(hwb.w * 100, 1)}% ${fix(hwb.b * 100, 1)}%)`,
        `lch(${fix(lch.l, 2)} ${grey ? 0 : fix(lch.c, 2)} ${grey ? 'none' : fix(lch.h ?? 0, 2)})`,
    ];
    for (const text of texts) {
        const back = culori.formatHex(culori.parse(text));
        if (back !== '#' + hex(code)) throw new Error(`${text} reads back as ${back}, not #${hex(code)}`);
        add(text);
    }
}

process.stdout.write(lines.join('\n') + '\n');
