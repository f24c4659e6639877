#include "historiquedossiers.h"
#include "listesdossiers.h"
#include "operationsfichiers.h"

#include <QTest>

using ListesDossiers::Paire;
using OperationsFichiers::RefusNom;

class TstOperationsFichiers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void paires();
    void questionEtNomDeDossier();
    void historique();
};

void TstOperationsFichiers::paires() {
    const QList<Paire> deux{{"Été", "/photos/été"}, {"/a", "/a"}};
    for (const auto& [contenu, attendu] : {
             std::pair{QByteArray("Été\r\n/photos/été\r\n/a\r\n/a\r\n"), deux},
             {QByteArray("\nÉté\n/photos/été\n\n/a\n/a"), deux},
             // A lost name: the path stays, named by itself; an odd name alone drops.
             {QByteArray("/b\r\nA\r\n/a\r\n"), QList<Paire>{{"/b", "/b"}, {"A", "/a"}}},
             {QByteArray("A\r\n/a\r\nB\r\n"), QList<Paire>{{"A", "/a"}}},
             {QByteArray("A\r\nphotos\r\n"), QList<Paire>{}},
         }) {
        QCOMPARE(ListesDossiers::LirePaires(contenu), attendu);
        QCOMPARE(ListesDossiers::LirePaires(ListesDossiers::EcrirePaires(attendu)), attendu);
    }

    QCOMPARE(ListesDossiers::LireDossiers("/a/\r\n/b\nrelatif\r\n\r\n"),
             QStringList({"/a/", "/b/"}));
    QCOMPARE(ListesDossiers::EcrireDossiers({"/a/", "/b/"}), QByteArray("/a/\r\n/b/\r\n"));
    // Lines are dropped by their text, those of another program of the same name too.
    QCOMPARE(ListesDossiers::RetirerLignes("Gimp\r\n/usr/bin/gimp\r\nGimp\n/opt/gimp\r\n",
                                           {"Gimp", "/usr/bin/gimp"}),
             QByteArray("/opt/gimp\r\n"));
    QVERIFY(!ListesDossiers::TientSurUneLigne("a\rb") &&
            ListesDossiers::TientSurUneLigne("a \"b\""));
    // A folder renamed: the paths into it follow, trailing "/" kept; a longer name does not.
    for (const auto& [avant, apres] : {std::pair{"/p/2019/juin/", "/p/2019-Vacances/juin/"},
                                       {"/p/2019", "/p/2019-Vacances"},
                                       {"/p/20190", "/p/20190"}})
        QCOMPARE(ListesDossiers::DeplacerChemin(avant, "/p/2019", "/p/2019-Vacances"),
                 QString(apres));
    for (const auto& [chemin, nom] : {std::pair{"/opt/Retouche.AppImage", "Retouche"},
                                      {"/usr/bin/gimp-2.10", "gimp-2.10"},
                                      {"/home/u/.outil", ".outil"}})
        QCOMPARE(OperationsFichiers::NomProposeProgramme(chemin), QString(nom));
}

void TstOperationsFichiers::questionEtNomDeDossier() {
    // Many more files: tests/ui/tst_collage.cpp.
    QStringList noms;
    for (int i = 1; i <= 16; ++i)
        noms.append(QStringLiteral("f%1").arg(i));
    QCOMPARE(OperationsFichiers::QuestionSuppression(noms.mid(0, 1)),
             QString("Envoyer à la corbeille le fichier suivant :\n\nf1\n"));
    QCOMPARE(OperationsFichiers::QuestionSuppression(noms),
             "Envoyer à la corbeille les 16 fichiers suivants :\n\n" + noms.mid(0, 15).join('\n') +
                 "\n\net  1 autre ...");

    for (const auto& [nom, attendu] : {
             std::pair{QString(" Été à Noël "), RefusNom::Aucun},
             {"   ", RefusNom::Vide},
             // The other forbidden characters: tst_regles.
             {QString("a") + QChar(0), RefusNom::CaractereInterdit},
             {".photos", RefusNom::Point},
             // 255 bytes in UTF-8, then 256.
             {QString(127, QChar(0xE9)) + "a", RefusNom::Aucun},
             {QString(128, QChar(0xE9)), RefusNom::TropLong},
         })
        QCOMPARE(OperationsFichiers::VerifierNomDossier(nom), attendu);
}

void TstOperationsFichiers::historique() {
    HistoriqueDossiers h;
    QVERIFY(!h.PeutReculer() && !h.PeutAvancer());
    for (const char* dossier : {"/A", "/B", "/C"})
        h.Enregistrer(dossier);
    QCOMPARE(h.PosHistorique(), 2);
    QCOMPARE(h.Reculer(), QString("/B"));
    QCOMPARE(h.Reculer(), QString("/A"));
    QVERIFY(!h.PeutReculer());
    QCOMPARE(h.Reculer(), QString());
    QCOMPARE(h.Avancer(), QString("/B"));
    QVERIFY(h.PeutAvancer());
    // A new folder goes at the end even from further back.
    h.Enregistrer("/D");
    QCOMPARE(h.Historique(), QStringList({"/A", "/B", "/C", "/D"}));
    QCOMPARE(h.PosHistorique(), 3);
    QVERIFY(!h.PeutAvancer());
    h.Reinitialiser("/E");
    QCOMPARE(h.Historique(), QStringList({"/E"}));
    QVERIFY(!h.PeutReculer() && !h.PeutAvancer());
}

QTEST_GUILESS_MAIN(TstOperationsFichiers)
#include "tst_operationsfichiers.moc"
