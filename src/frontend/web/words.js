// The player's language on the page: the catalogue of it (l10n/LANG.json, which
// the build makes from po/LANG.po), read by the page's own words (t, tn) and by
// the game's (web_main.cpp's catalogue asks Words.lookup). The page follows the
// browser's languages (navigator.languages) until the records name a choice.
'use strict';
const Words = (() => {
  let words = {};
  let plural = (n) => (n !== 1 ? 1 : 0);
  const Words = {
    spoken: 'en',
    available: [],  // the languages there are catalogues of (l10n/index.json)
    // A phrase's translation, or null when the catalogue has none.
    lookup(context, english, count) {
      const said = words[context + '\u0004' + english];
      if (said === undefined) return null;
      return Array.isArray(said) ? said[Math.min(plural(count), said.length - 1)] : said;
    },
    // Speaks the language from now on: its catalogue, the page's marked words, its manifest.
    async use(code) {
      if (code === Words.spoken) return;
      let next = {};
      let rule = (n) => (n !== 1 ? 1 : 0);
      if (code !== 'en') {
        try {
          const data = await (await fetch(`l10n/${code}.json`)).json();
          next = data.words;
          // A C expression of n, checked by the build to hold nothing else.
          rule = new Function('n', `return +(${data.plural});`);
        } catch (e) {
          code = 'en';
        }
      }
      words = next;
      plural = rule;
      Words.spoken = code;
      document.documentElement.lang = code;
      const manifest = document.querySelector('link[rel=manifest]');
      if (manifest) manifest.href = code === 'en' ? 'fruitwhirl.webmanifest' : `fruitwhirl.${code}.webmanifest`;
      Words.name(document);
    },
    // The elements marked data-t in their language: their English is kept in
    // data-en ("&Game": the letter after "&" is the underlined access key), and
    // aria-label and data-t-label attributes likewise.
    name(root) {
      for (const e of root.querySelectorAll('[data-t]')) {
        if (e.dataset.en === undefined) e.dataset.en = e.innerHTML.replace(/<u>(.)<\/u>/g, '&$1').trim();
        const said = t('page', e.dataset.en);
        const mark = said.indexOf('&');
        if (mark >= 0 && mark + 1 < said.length) {
          e.replaceChildren(said.slice(0, mark), Object.assign(document.createElement('u'), {
            textContent: said[mark + 1] }), said.slice(mark + 2));
          if (e.hasAttribute('aria-keyshortcuts')) e.setAttribute('aria-keyshortcuts', 'Alt+' + said[mark + 1].toUpperCase());
        } else {
          e.textContent = said;
        }
      }
      for (const e of root.querySelectorAll('[aria-label]')) {
        if (e.dataset.enLabel === undefined) e.dataset.enLabel = e.getAttribute('aria-label');
        e.setAttribute('aria-label', t('page', e.dataset.enLabel));
      }
    },
    // The languages the browser asks for, in order.
    wished() { return navigator.languages?.length ? [...navigator.languages] : [navigator.language || 'en']; },
  };
  return Words;
})();

// english in the player's language.
function t(context, english) { return Words.lookup(context, english, -1) ?? english; }
// english as it stands, marked for the extraction: translated where it is shown
// (an aria-label by Words.name, in the context "page").
function tLater(context, english) { return english; }
// singular or plural, as count asks, in the player's language.
function tn(context, singular, pluralText, count) {
  return Words.lookup(context, singular, count) ?? (count === 1 ? singular : pluralText);
}
// text with %1 .. %9 replaced by the arguments in order ("%%" is one "%").
function fill(text, ...args) {
  return text.replace(/%(%|[1-9])/g, (m, d) => (d === '%' ? '%' : String(args[d - 1] ?? '')));
}
