#include "StylePage.h"

const char* StylePage()
{
    // One column on a phone, as many as fit on a wider screen; a long word breaks rather than widen the page, and in
    // a table a player's text may break anywhere, so that the figures beside it keep their width.
    return R"(
:root{color-scheme:light dark;--encre:#1c1a17;--fond:#fbf8f2;--trait:#cfc6b4;--doux:#5b5347;--case:#f0e9da}
@media (prefers-color-scheme:dark){:root{--encre:#ece6da;--fond:#1c1a17;--trait:#4d473d;--doux:#b3aa99;--case:#29261f}}
*{box-sizing:border-box}
html{-webkit-text-size-adjust:100%;text-size-adjust:100%}
body{margin:0;background:var(--fond);color:var(--encre);overflow-wrap:break-word;
font:16px/1.45 system-ui,"Segoe UI",Roboto,"DejaVu Sans",sans-serif}
main{max-width:66rem;margin:0 auto;padding:1rem .75rem 1.5rem}
h1{font-size:1.8rem;line-height:1.2;margin:0 0 .6rem}
h2{font-size:1.2rem;margin:1.4rem 0 .5rem;padding-bottom:.15rem;border-bottom:2px solid var(--trait)}
.cases{display:grid;grid-template-columns:repeat(auto-fill,minmax(min(100%,6.5rem),1fr));gap:.4rem;margin:0}
.cases div{padding:.25rem .5rem;border:1px solid var(--trait);border-radius:.3rem;background:var(--case)}
.cases dt{font-size:.8rem;color:var(--doux)}
.cases dd{margin:0;font-size:1.15rem;font-weight:600;font-variant-numeric:tabular-nums}
.chiffres{display:grid;grid-template-columns:repeat(auto-fit,minmax(min(100%,19rem),1fr));column-gap:1.5rem}
.groupes{display:grid;grid-template-columns:repeat(auto-fill,minmax(min(100%,19rem),1fr));
gap:1rem 1.5rem;align-items:start}
table{width:100%;border-collapse:collapse}
caption{text-align:left;font-weight:700;padding:.15rem 0 .25rem}
th,td{text-align:left;vertical-align:top;padding:.25rem .4rem;border-bottom:1px solid var(--trait)}
thead th{font-size:.8rem;font-weight:600;color:var(--doux)}
tbody th{font-weight:400}
.nombre{text-align:right;white-space:nowrap;font-variant-numeric:tabular-nums}
.date{white-space:nowrap;font-variant-numeric:tabular-nums}
.mention{font-size:.8rem;font-style:italic;color:var(--doux)}
.notes{margin:0;white-space:pre-wrap}
td,tbody th{overflow-wrap:anywhere}
.journal tbody tr:first-child>*{border-bottom:0;padding-bottom:0}
.achats{font-size:.9rem;padding-left:1.2rem}
footer{margin-top:2rem;font-size:.8rem;color:var(--doux)}
@page{size:A4;margin:14mm 12mm}
@media print{
:root{color-scheme:light;--encre:#000;--fond:#fff;--trait:#888;--doux:#333;--case:#fff}
body{font-size:10pt}
main{max-width:none;padding:0}
h2{margin-top:.8rem;break-after:avoid}
caption,thead{break-after:avoid}
tr,tbody,.cases div{break-inside:avoid}
.groupes{display:block;columns:2;column-gap:8mm;column-fill:auto}
.groupes table{margin-bottom:4mm}
footer{display:none}
}
)";
}
