#!/usr/bin/env python3
"""Reads the JSON reports of the benchmarks and prints each figure against its floor and its target.

Every figure is a ratio of two medians taken in the same run, whose repetitions were interleaved, so that a
shared, noisy machine slows both sides alike. Exits with 1 when a target is missed.
Usage: chiffres.py REPORT.json...
"""
import json
import sys

UNITES = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}


def medianes(chemins):
    """The median of every benchmark over its repetitions, by name: seconds per operation and counters."""
    resultat = {}
    for chemin in chemins:
        with open(chemin, encoding="utf-8") as fichier:
            for banc in json.load(fichier)["benchmarks"]:
                if banc.get("aggregate_name") != "median":
                    continue
                nom = banc["run_name"].removesuffix("/manual_time")
                if banc.get("error_occurred"):
                    sys.exit(f"{nom}: {banc.get('error_message')}")
                banc["secondes"] = banc["real_time"] * UNITES[banc["time_unit"]]
                resultat[nom] = banc
    return resultat


def main():
    m = medianes(sys.argv[1:])
    manques = []

    def ligne(nom, valeur, cible, tenue, detail):
        etat = "ok" if tenue else "MISSED"
        if not tenue:
            manques.append(nom)
        print(f"{nom:<16} {valeur:>6.2f}  ({cible})  {etat:<6}  {detail}")

    def temps(nom):
        return m[nom]["secondes"]

    def ratio(nom, sujet, plancher, maximum, unite, echelle):
        r = temps(sujet) / temps(plancher)
        ligne(nom, r, f"target <= {maximum}", r <= maximum,
              f"{temps(sujet) * echelle:.1f} {unite} against {temps(plancher) * echelle:.1f} {unite}")

    ratio("start", "BM_Processus/vexal", "BM_Processus/minimal", 1.15, "ms", 1e3)
    ratio("new character", "BM_NouveauDemon", "BM_FormeSeule", 2.0, "us", 1e6)
    etapes = m["BM_NouveauDemonParEtape"]
    print(f"{'  its steps':<16} {'':>6}  close and delete the previous sheet {etapes['Fermer'] * 1e6:.0f} us, "
          f"build the new one {etapes['Construire'] * 1e6:.0f} us, SetPerso {etapes['SetPerso'] * 1e6:.0f} us, "
          f"show {etapes['Afficher'] * 1e6:.0f} us")
    ratio("open", "BM_Ouverture", "BM_FicheDonnee", 1.5, "ms", 1e3)
    ratio("edit", "BM_Edition/toutes", "BM_EcritureBloquee/toutes", 1.5, "us", 1e6)
    ratio("undo", "BM_Annuler/toutes", "BM_Edition/toutes", 1.5, "us", 1e6)
    ratio("redo", "BM_Retablir/toutes", "BM_Edition/toutes", 1.5, "us", 1e6)
    ratio("grant", "BM_Accorder/toutes", "BM_EcritureBloquee/toutes", 1.5, "us", 1e6)
    ratio("undo grant", "BM_AnnulerAccord/toutes", "BM_EcritureBloquee/toutes", 1.5, "us", 1e6)
    ratio("journal", "BM_OuvertureJournal/300", "BM_OuvertureJournal/30", 12, "ms", 1e3)

    editions = sorted((m[nom]["Lignes"], nom) for nom in m if nom.startswith("BM_Edition/"))
    rafraichissements = [m[nom]["Rafraichissements"] for _, nom in editions]
    pire = max(rafraichissements, key=lambda r: abs(r - 1))
    ligne("refreshes", pire, "target = 1 per edit, whatever the rows", all(abs(r - 1) < 1e-9 for r in rafraichissements),
          " ".join(f"{int(n)} rows: {r:g}" for (n, _), r in zip(editions, rafraichissements)))

    t0 = temps(editions[0][1])
    par_ligne = [(n, (temps(nom) - t0) / n) for n, nom in editions if n > 0]
    couts = [c for _, c in par_ligne]
    etalement = max(couts) / min(couts)
    ligne("scaling", etalement, "target <= 1.5", etalement <= 1.5,
          f"per row, over {t0 * 1e6:.1f} us with none: "
          + " ".join(f"{int(n)} rows {c * 1e9:.0f} ns" for n, c in par_ligne))

    ratio("save", "BM_Enregistrer", "BM_Exporter", 2, "us", 1e6)
    ratio("web page", "BM_Page/300", "BM_Pdf/300", 3, "ms", 1e3)
    ratio("page journal", "BM_Page/300", "BM_Page/30", 12, "ms", 1e3)
    ratio("open table", "BM_OuvrirTable", "BM_OuvrirPersonnage", 7, "ms", 1e3)
    ratio("grant table", "BM_AccorderATous", "BM_EnregistrerPersonnage", 7, "ms", 1e3)
    ratio("refresh table", "BM_RafraichirTable", "BM_OuvrirPersonnage", 2, "ms", 1e3)

    pic, plancher = m["BM_Processus/fiche_remplie"]["PicKo"], m["BM_Processus/minimal_lignes"]["PicKo"]
    ligne("memory", pic / plancher, "target <= 1.3", pic / plancher <= 1.3,
          f"{pic / 1024:.1f} MiB peak against {plancher / 1024:.1f} MiB")
    pas = sorted((m[nom]["Lignes"], m[nom]["OctetsParPas"]) for nom in m if nom.startswith("BM_MemoireParPas/"))
    print(f"{'undo step':<16} {pas[-1][1] / 1024:>6.1f}  KiB of heap per undo step kept with {int(pas[-1][0])} rows, "
          f"{pas[0][1] / 1024:.2f} KiB with {int(pas[0][0])}")

    print(f"{'core Demon':<16} {temps('BM_CreerDemon') * 1e6:>6.1f}  us per Demon built with its catalogues")
    print(f"{'core export':<16} {temps('BM_Exporter') * 1e6:>6.1f}  us per export of the full character")
    print(f"{'core open':<16} {temps('BM_Ouvrir/300') * 1e3:>6.1f}  ms per opening of the full character's file "
          f"after 300 awards")
    print(f"{'pdf':<16} {temps('BM_Pdf') / temps('BM_Exporter'):>6.1f}  (baseline, no target)  "
          f"{temps('BM_Pdf') * 1e3:.1f} ms per PDF of the full character against its text export")

    if manques:
        print("missed: " + ", ".join(manques))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
