#!/usr/bin/env node
// Builds Quorvane's shipped rate table (data/rates.csv) from three npm packages:
//   world-countries            - countries and the currencies each one uses
//   currency-codes             - ISO 4217 names and minor units
//   @fawazahmed0/currency-api  - daily rates, units per 1 USD, for one date
// Usage: cd tools && npm ci && node gen_rates.mjs > ../data/rates.csv
// The CSV goes to stdout; notes (skipped pairs, filled gaps) go to stderr.

import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const countries = require('world-countries/countries.json');
const iso = require('currency-codes');
const ratesFile = require('@fawazahmed0/currency-api/v1/currencies/usd.json');

const EXPECTED_DATE = '2026-09-29';
const warn = (msg) => process.stderr.write(msg + '\n');

// Names used where the source's own name is inconsistent across countries,
// lower-case only, or less familiar to travellers.
const NAME_OVERRIDES = {
  USD: 'US Dollar',
  GBP: 'Pound Sterling',
  DKK: 'Danish Krone',
  NOK: 'Norwegian Krone',
  GEL: 'Georgian Lari',
  GMD: 'Gambian Dalasi',
  MKD: 'Macedonian Denar',
  // Codes that world-countries does not list, so it gives them no name.
  SLE: 'Sierra Leonean Leone',
  XCG: 'Caribbean Guilder',
  ZWG: 'Zimbabwe Gold',
};

// Countries whose world-countries entry no longer names the money in use on the
// rates' date. `listed` is what the entry holds, checked so that a newer package
// that has caught up shows here; `use` replaces it.
// Already current in world-countries, so not here: Belarus (BYN), Croatia (EUR),
// Mauritania (MRU), São Tomé and Príncipe (STN), Venezuela (VES; the rates file
// gives VED the same rate).
const CURRENCY_OVERRIDES = {
  // New leone since July 2022, 1 SLE = 1,000 SLL; the old leone's rate is only
  // the new one times 1,000.
  'Sierra Leone': { listed: ['SLL'], use: ['SLE'] },
  // The euro replaced the lev on 1 January 2026.
  Bulgaria: { listed: ['BGN'], use: ['EUR'] },
  // The Caribbean guilder replaced the Netherlands Antillean guilder at par on
  // 31 March 2025.
  'Curaçao': { listed: ['ANG'], use: ['XCG'] },
  'Sint Maarten': { listed: ['ANG'], use: ['XCG'] },
  // The Zimbabwe Gold is the country's own currency since April 2024, and the US
  // dollar stays legal tender beside it; the rest of the old basket of foreign
  // currencies and the bond notes (which have no rate) are no longer its money.
  Zimbabwe: {
    listed: ['BWP', 'CNY', 'EUR', 'GBP', 'INR', 'JPY', 'USD', 'ZAR', 'ZWB'],
    use: ['USD', 'ZWG'],
  },
  // The convertible peso was withdrawn in 2021; its rate is a leftover peg of 1.
  Cuba: { listed: ['CUC', 'CUP'], use: ['CUP'] },
};

// Subunits: [count, plural name], or a full text for multi-level units.
// Currencies whose ISO minor unit is 0 are written "no minor unit" instead.
const SUBUNITS = {
  AED: [100, 'Fils'], AFN: [100, 'Puls'], ALL: [100, 'Qindarka'],
  AMD: [100, 'Luma'], ANG: [100, 'Cents'], AOA: [100, 'Cêntimos'],
  ARS: [100, 'Centavos'], AUD: [100, 'Cents'], AWG: [100, 'Cents'],
  AZN: [100, 'Qəpik'], BAM: [100, 'Fenings'], BBD: [100, 'Cents'],
  BDT: [100, 'Poisha'], BGN: [100, 'Stotinki'], BHD: [1000, 'Fils'],
  BMD: [100, 'Cents'], BND: [100, 'Sen'], BOB: [100, 'Centavos'],
  BRL: [100, 'Centavos'], BSD: [100, 'Cents'], BTN: [100, 'Chhertum'],
  BWP: [100, 'Thebe'], BYN: [100, 'Kapeykas'], BZD: [100, 'Cents'],
  CAD: [100, 'Cents'], CDF: [100, 'Centimes'], CHF: [100, 'Rappen'],
  CKD: [100, 'Cents'], CNY: '10 Jiao = 100 Fen', COP: [100, 'Centavos'],
  CRC: [100, 'Céntimos'], CUC: [100, 'Centavos'], CUP: [100, 'Centavos'],
  CVE: [100, 'Centavos'], CZK: [100, 'Haléřů'], DKK: [100, 'Øre'],
  DOP: [100, 'Centavos'], DZD: [100, 'Centimes'], EGP: [100, 'Piastres'],
  ERN: [100, 'Cents'], ETB: [100, 'Santim'], EUR: [100, 'Cents'],
  FJD: [100, 'Cents'], FKP: [100, 'Pence'], FOK: [100, 'Oyra'],
  GBP: [100, 'Pence'], GEL: [100, 'Tetri'], GGP: [100, 'Pence'],
  GHS: [100, 'Pesewas'], GIP: [100, 'Pence'], GMD: [100, 'Bututs'],
  GTQ: [100, 'Centavos'], GYD: [100, 'Cents'], HKD: [100, 'Cents'],
  HNL: [100, 'Centavos'], HTG: [100, 'Centimes'], HUF: [100, 'Fillér'],
  IDR: [100, 'Sen'], ILS: [100, 'Agorot'], IMP: [100, 'Pence'],
  INR: [100, 'Paise'], IQD: [1000, 'Fils'], IRR: [100, 'Dinars'],
  JEP: [100, 'Pence'], JMD: [100, 'Cents'], JOD: [1000, 'Fils'],
  KES: [100, 'Cents'], KGS: [100, 'Tyiyn'], KHR: [100, 'Sen'],
  KID: [100, 'Cents'], KPW: [100, 'Chon'], KWD: [1000, 'Fils'],
  KYD: [100, 'Cents'], KZT: [100, 'Tiyn'], LAK: [100, 'Att'],
  LBP: [100, 'Piastres'], LKR: [100, 'Cents'], LRD: [100, 'Cents'],
  LSL: [100, 'Lisente'], LYD: [1000, 'Dirhams'], MAD: [100, 'Centimes'],
  MDL: [100, 'Bani'], MGA: [5, 'Iraimbilanja'], MKD: [100, 'Deni'],
  MMK: [100, 'Pyas'], MNT: [100, 'Möngö'], MOP: [100, 'Avos'],
  MRU: [5, 'Khoums'], MUR: [100, 'Cents'], MVR: [100, 'Laari'],
  MWK: [100, 'Tambala'], MXN: [100, 'Centavos'], MYR: [100, 'Sen'],
  MZN: [100, 'Centavos'], NAD: [100, 'Cents'], NGN: [100, 'Kobo'],
  NIO: [100, 'Centavos'], NOK: [100, 'Øre'], NPR: [100, 'Paisa'],
  NZD: [100, 'Cents'], OMR: [1000, 'Baisa'], PAB: [100, 'Centésimos'],
  PEN: [100, 'Céntimos'], PGK: [100, 'Toea'], PHP: [100, 'Sentimo'],
  PKR: [100, 'Paisa'], PLN: [100, 'Groszy'], QAR: [100, 'Dirhams'],
  RON: [100, 'Bani'], RSD: [100, 'Para'], RUB: [100, 'Kopecks'],
  SAR: [100, 'Halalas'], SBD: [100, 'Cents'], SCR: [100, 'Cents'],
  SDG: [100, 'Piastres'], SEK: [100, 'Öre'], SGD: [100, 'Cents'],
  SHP: [100, 'Pence'], SLE: [100, 'Cents'], SLL: [100, 'Cents'],
  SOS: [100, 'Senti'], SRD: [100, 'Cents'], SSP: [100, 'Piastres'],
  STN: [100, 'Cêntimos'], SYP: [100, 'Piastres'], SZL: [100, 'Cents'],
  THB: [100, 'Satang'], TJS: [100, 'Diram'], TMT: [100, 'Tenge'],
  TND: [1000, 'Millimes'], TOP: [100, 'Seniti'], TRY: [100, 'Kuruş'],
  TTD: [100, 'Cents'], TVD: [100, 'Cents'], TWD: [100, 'Cents'],
  TZS: [100, 'Cents'], UAH: [100, 'Kopiykas'], USD: [100, 'Cents'],
  UYU: [100, 'Centésimos'], UZS: [100, 'Tiyin'], VES: [100, 'Céntimos'],
  WST: [100, 'Sene'], XCD: [100, 'Cents'], XCG: [100, 'Cents'],
  YER: [100, 'Fils'], ZAR: [100, 'Cents'], ZMW: [100, 'Ngwee'],
  ZWG: [100, 'Cents'],
};

const LOWER_WORDS = new Set(['and', 'of', 'da', 'de', 'the']);
function titleCase(name) {
  return name
    .split(' ')
    .map((w, i) =>
      i > 0 && LOWER_WORDS.has(w) ? w : w.charAt(0).toLocaleUpperCase('en') + w.slice(1))
    .join(' ');
}

// Minor units per ISO 4217 (currency-codes); codes outside ISO default to 2.
function minorDigits(code) {
  const rec = iso.code(code);
  return rec && Number.isInteger(rec.digits) ? rec.digits : 2;
}

function unitText(code, name) {
  const sub = SUBUNITS[code];
  if (typeof sub === 'string') return `1 ${name} = ${sub}`;
  const digits = minorDigits(code);
  if (digits === 0) return `1 ${name}, no minor unit`;
  if (sub) return `1 ${name} = ${sub[0]} ${sub[1]}`;
  return `1 ${name} = ${10 ** digits} subunits`;
}

// Six significant digits are more than a rate box shows or a chart needs;
// plain decimals, never an exponent, so the program reads them back as they are.
const roeFormat = new Intl.NumberFormat('en-US', {
  useGrouping: false,
  notation: 'standard',
  maximumSignificantDigits: 6,
});

function csvField(s) {
  s = String(s);
  return /[",\r\n]/.test(s) ? '"' + s.replace(/"/g, '""') + '"' : s;
}

// Loose key for matching country names between the two packages.
function nameKey(s) {
  return s
    .normalize('NFD')
    .replace(/\p{M}/gu, '')
    .toLowerCase()
    .replace(/\(the\)/g, '')
    .replace(/[^a-z0-9]+/g, ' ')
    .trim();
}

// --- rates -----------------------------------------------------------------
if (ratesFile.date !== EXPECTED_DATE) {
  warn(`note: rates file is dated ${ratesFile.date}, expected ${EXPECTED_DATE}`);
}
const rates = ratesFile.usd;
function rateFor(code) {
  if (code === 'USD') return 1;
  const r = rates[code.toLowerCase()];
  return typeof r === 'number' && Number.isFinite(r) && r > 0 ? r : null;
}

// --- currency names: one per code --------------------------------------------
const sourceNames = new Map(); // code -> Map(name -> count)
for (const c of countries) {
  for (const [code, cur] of Object.entries(c.currencies ?? {})) {
    if (!sourceNames.has(code)) sourceNames.set(code, new Map());
    const m = sourceNames.get(code);
    m.set(cur.name, (m.get(cur.name) ?? 0) + 1);
  }
}
function currencyName(code) {
  if (NAME_OVERRIDES[code]) return NAME_OVERRIDES[code];
  const m = sourceNames.get(code);
  if (m) {
    const best = [...m.entries()].sort((a, b) => b[1] - a[1] || a[0].localeCompare(b[0], 'en'))[0][0];
    return titleCase(best);
  }
  const rec = iso.code(code);
  return rec ? rec.currency.trim() : code;
}

// --- country/currency pairs ---------------------------------------------------
const pairs = [];
const skipped = [];
const overridden = new Set();
for (const c of countries) {
  const country = c.name.common;
  let codes = Object.keys(c.currencies ?? {});
  const override = CURRENCY_OVERRIDES[country];
  if (override) {
    overridden.add(country);
    if ([...codes].sort().join() !== [...override.listed].sort().join()) {
      warn(`error: ${country} lists ${codes.join(', ')}, the override expects ${override.listed.join(', ')}`);
      process.exitCode = 1;
    }
    codes = override.use;
    warn(`override: ${country} -> ${codes.join(', ')}`);
  }
  if (codes.length === 0) {
    // Fill gaps from the ISO 4217 country lists.
    const keys = new Set([c.name.common, c.name.official, ...(c.altSpellings ?? [])].map(nameKey));
    codes = iso.data
      .filter((d) => d.countries.some((n) => keys.has(nameKey(n))))
      .map((d) => d.code);
    if (codes.length) warn(`filled from ISO 4217 list: ${country} -> ${codes.join(', ')}`);
    else warn(`no currency known: ${country}`);
  }
  const usable = [];
  for (const code of codes) {
    const roe = rateFor(code);
    if (roe === null) skipped.push(`${country}: ${code} (${currencyName(code)})`);
    else usable.push({ code, roe });
  }
  for (const { code, roe } of usable) {
    const name = currencyName(code);
    pairs.push({
      country: usable.length > 1 ? `${country} (${name})` : country,
      currency: unitText(code, name),
      description: name,
      code,
      roe: roeFormat.format(roe),
      // The ISO 3166-1 code the program finds the country's name in the user's language by.
      alpha2: /^[A-Z]{2}$/.test(c.cca2 ?? '') ? c.cca2 : '',
    });
  }
}

// Rows go out in the order the program's country lists show them (Qt's
// QCollator for en_US, ICU on Debian, as Intl.Collator is here), so a reader
// that keeps the table's order already has them sorted.
const collator = new Intl.Collator('en-US');
pairs.sort((a, b) => collator.compare(a.country, b.country) || collator.compare(a.description, b.description));
for (let i = 1; i < pairs.length; i++) {
  if (collator.compare(pairs[i - 1].country, pairs[i].country) >= 0) {
    warn(`error: "${pairs[i - 1].country}" does not sort before "${pairs[i].country}"`);
    process.exitCode = 1;
  }
}
for (const p of pairs) {
  if (!/^\d+(\.\d+)?$/.test(p.roe)) {
    warn(`error: ${p.country}: rate "${p.roe}" is not a plain decimal`);
    process.exitCode = 1;
  }
}

for (const name of Object.keys(CURRENCY_OVERRIDES)) {
  if (!overridden.has(name)) {
    warn(`error: override for ${name}, a country world-countries does not have`);
    process.exitCode = 1;
  }
}
for (const s of skipped) warn(`skipped, no rate: ${s}`);
warn(`${pairs.length} rows, rates dated ${ratesFile.date}`);
if (pairs.length < 260) {
  warn('error: fewer than 260 rows');
  process.exitCode = 1;
}

const lines = ['Country,Currency,Description,CODE,ROE,Alpha2'];
for (const p of pairs) {
  lines.push([p.country, p.currency, p.description, p.code, p.roe, p.alpha2].map(csvField).join(','));
}
process.stdout.write(lines.join('\n') + '\n');
