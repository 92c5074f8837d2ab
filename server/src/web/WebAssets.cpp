#include "WebAssets.h"

namespace {

const char kCss[] = R"css(:root{color-scheme:light;--line:#c8ccd4;--head:#2d3a4f;--link:#1f4f99}
body{margin:0;font:15px/1.45 "DejaVu Sans",Verdana,sans-serif;color:#1c2330;background:#f6f7f9}
header{background:var(--head);color:#fff;padding:.6em 1.2em}
header h1{margin:0;font-size:1.4em}
nav a{color:#dfe6f3;margin-right:1.1em;text-decoration:none}
nav a[aria-current]{color:#fff;font-weight:bold;border-bottom:2px solid #fff}
main{padding:1em 1.2em;max-width:70em}
footer{padding:.5em 1.2em;color:#666;font-size:.85em}
a{color:var(--link)}
h2{font-size:1.15em;margin:.2em 0 .6em}
.tools button{margin:0 .4em .6em 0}
.tree,.tree ul{list-style:none;margin:0;padding-left:1.3em}
.tree{padding-left:0}
.tree summary{cursor:pointer}
.tree li>a,.tree summary>a{padding-left:20px;background-repeat:no-repeat;background-position:left center;text-decoration:none}
.tree li>a.more{padding-left:.5em;font-style:italic}
.p1{background-image:url(icons/mule.svg)}
.p2{background-image:url(icons/pk.svg)}
.p3{background-image:url(icons/rescue.svg)}
.p4{background-image:url(icons/member.svg)}
table{border-collapse:collapse;background:#fff}
th,td{border:1px solid var(--line);padding:.2em .6em;text-align:left}
th{background:#e6e9ef}
table.sortable th{cursor:pointer}
th[aria-sort=ascending]::after{content:" \25B2"}
th[aria-sort=descending]::after{content:" \25BC"}
td.n{text-align:right}
dl.sheet{display:grid;grid-template-columns:max-content 1fr;gap:.25em 1em}
dl.sheet dt{font-weight:bold}
dl.sheet dd{margin:0}
.text{white-space:pre-wrap}
.note{color:#555;font-style:italic}
)css";

// Sorting and collapsing only: every page reads and navigates without it.
// Tables of class "sortable" sort by a click on a header, the first click on a column ascending
// and each further one the other way; numbers compare by value, other text as text. A page
// opened with ?sort=KEY (and &dir=desc) starts sorted. The tree's branches collapse with their
// own marker; "#collapse=ID,ID" or "#collapse=all" in the address collapses branches, "#expand="
// opens them.
const char kJs[] = R"js((function () {
  'use strict';
  function value(row, col) {
    var cell = row.cells[col];
    var v = cell.getAttribute('data-v');
    return v !== null ? v : cell.textContent.trim();
  }
  function isNumber(s) { return s !== '' && isFinite(Number(s)); }
  function compare(a, b) {
    if (isNumber(a) && isNumber(b)) return Number(a) - Number(b);
    return a.localeCompare(b, undefined, { sensitivity: 'base' });
  }
  function sortBy(table, col, dir) {
    var body = table.tBodies[0];
    var rows = Array.prototype.slice.call(body.rows).map(function (r, i) {
      return { row: r, key: value(r, col), at: i };
    });
    rows.sort(function (x, y) { return dir * compare(x.key, y.key) || x.at - y.at; });
    var frag = document.createDocumentFragment();
    rows.forEach(function (x) { frag.appendChild(x.row); });
    body.appendChild(frag);
    var heads = table.tHead.rows[0].cells;
    for (var i = 0; i < heads.length; i++) heads[i].removeAttribute('aria-sort');
    heads[col].setAttribute('aria-sort', dir > 0 ? 'ascending' : 'descending');
    table.setAttribute('data-sorted', heads[col].getAttribute('data-key') + (dir > 0 ? '' : ' desc'));
  }
  function setUpTable(table) {
    var last = -1, dir = 0;
    var heads = table.tHead.rows[0].cells;
    Array.prototype.forEach.call(heads, function (th, col) {
      th.tabIndex = 0;
      function click() {
        dir = col === last && dir === 1 ? -1 : 1;
        last = col;
        sortBy(table, col, dir);
      }
      th.addEventListener('click', click);
      th.addEventListener('keydown', function (e) {
        if (e.key === 'Enter' || e.key === ' ') { e.preventDefault(); click(); }
      });
    });
    var params = new URLSearchParams(location.search);
    var key = params.get('sort');
    if (!key) return;
    Array.prototype.forEach.call(heads, function (th, col) {
      if (th.getAttribute('data-key') !== key) return;
      last = col;
      dir = params.get('dir') === 'desc' ? -1 : 1;
      sortBy(table, col, dir);
    });
  }
  function branches(list) {
    if (list === 'all') return document.querySelectorAll('.tree details');
    return list.split(',').map(function (id) {
      var li = document.getElementById('c' + id.trim());
      return li && li.querySelector(':scope > details');
    }).filter(Boolean);
  }
  function applyHash() {
    var m = /^#(collapse|expand)=(.+)$/.exec(location.hash);
    if (!m) return;
    Array.prototype.forEach.call(branches(decodeURIComponent(m[2])), function (d) {
      d.open = m[1] === 'expand';
    });
  }
  function setUpTree(tree) {
    var tools = document.getElementById('tree-tools');
    if (tools) {
      tools.hidden = false;
      tools.addEventListener('click', function (e) {
        var open = e.target.getAttribute('data-open');
        if (open === null) return;
        Array.prototype.forEach.call(tree.querySelectorAll('details'), function (d) {
          d.open = open === '1';
        });
      });
    }
    applyHash();
    window.addEventListener('hashchange', applyHash);
  }
  Array.prototype.forEach.call(document.querySelectorAll('table.sortable'), setUpTable);
  var tree = document.querySelector('.tree');
  if (tree) setUpTree(tree);
})();
)js";

// The tree's four pictures, drawn as the client draws them.
const char kMule[] =
    R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16" viewBox="0 0 16 16"><rect x="2.5" y="4.5" width="11" height="9" rx="1.5" fill="#b07a40" stroke="#5a3714"/><path d="M8 4.5v9M2.5 8.5h11" stroke="#5a3714"/></svg>)svg";
const char kPk[] =
    R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16" viewBox="0 0 16 16"><path d="M3 3l10 10M13 3L3 13" stroke="#aa0000" stroke-width="2.2" stroke-linecap="round"/></svg>)svg";
const char kRescue[] =
    R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16" viewBox="0 0 16 16"><circle cx="8" cy="8" r="7" fill="#c81e1e"/><path fill="#fff" d="M6.5 3.5h3v9h-3zM3.5 6.5h9v3h-9z"/></svg>)svg";
const char kMember[] =
    R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16" viewBox="0 0 16 16"><circle cx="8" cy="4.5" r="3" fill="#285ab4"/><path d="M2 15C2 8 14 8 14 15Z" fill="#285ab4"/></svg>)svg";

const char kSvg[] = "image/svg+xml";

const WebAsset kAssets[] = {
    {"web.css", "text/css; charset=utf-8", {kCss, sizeof kCss - 1}},
    {"web.js", "text/javascript; charset=utf-8", {kJs, sizeof kJs - 1}},
    {"icons/mule.svg", kSvg, {kMule, sizeof kMule - 1}},
    {"icons/pk.svg", kSvg, {kPk, sizeof kPk - 1}},
    {"icons/rescue.svg", kSvg, {kRescue, sizeof kRescue - 1}},
    {"icons/member.svg", kSvg, {kMember, sizeof kMember - 1}},
};

} // namespace

const WebAsset* FindWebAsset(std::string_view strName) {
    for (const WebAsset& asset : kAssets)
        if (asset.strName == strName)
            return &asset;
    return nullptr;
}
