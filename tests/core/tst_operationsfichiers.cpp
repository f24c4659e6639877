#include "listesdossiers.h"
#include "operationsfichiers.h"

#include <QTest>

using ListesDossiers::Paire;
using OperationsFichiers::RefusNom;

class TstOperationsFichiers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void paires_data();
    void paires();
    void lignes();
    void questionSuppression();
    void nomsDeDossier_data();
    void nomsDeDossier();
};

void TstOperationsFichiers::paires_data() {
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QList<Paire>>("attendu");
    const QList<Paire> deux{{"Été", "/photos/été"}, {"/a", "/a"}};
    QTest::newRow("CR LF") << QByteArray("Été\r\n/photos/été\r\n/a\r\n/a\r\n") << deux;
    QTest::newRow("LF, lignes vides") << QByteArray("\nÉté\n/photos/été\n\n/a\n/a") << deux;
    QTest::newRow("nom perdu: le chemin reste, nommé par lui-même")
        << QByteArray("/b\r\nA\r\n/a\r\n") << QList<Paire>{{"/b", "/b"}, {"A", "/a"}};
    QTest::newRow("nombre impair: le nom seul tombe")
        << QByteArray("A\r\n/a\r\nB\r\n") << QList<Paire>{{"A", "/a"}};
    QTest::newRow("chemin relatif") << QByteArray("A\r\nphotos\r\n") << QList<Paire>{};
}

void TstOperationsFichiers::paires() {
    QFETCH(QByteArray, contenu);
    QFETCH(QList<Paire>, attendu);
    QCOMPARE(ListesDossiers::LirePaires(contenu), attendu);
    QCOMPARE(ListesDossiers::LirePaires(ListesDossiers::EcrirePaires(attendu)), attendu);
}

void TstOperationsFichiers::lignes() {
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
    QCOMPARE(OperationsFichiers::NomProposeProgramme("/opt/Retouche.AppImage"),
             QString("Retouche"));
    QCOMPARE(OperationsFichiers::NomProposeProgramme("/usr/bin/gimp-2.10"), QString("gimp-2.10"));
    QCOMPARE(OperationsFichiers::NomProposeProgramme("/home/u/.outil"), QString(".outil"));
}

void TstOperationsFichiers::questionSuppression() {
    QStringList noms;
    for (int i = 1; i <= 20; ++i)
        noms.append(QStringLiteral("f%1").arg(i));
    const QString quinze = "f1\nf2\nf3\nf4\nf5\nf6\nf7\nf8\nf9\nf10\nf11\nf12\nf13\nf14\nf15\n";
    QCOMPARE(OperationsFichiers::QuestionSuppression(noms.mid(0, 1)),
             QString("Envoyer à la corbeille le fichier suivant :\n\nf1\n"));
    QCOMPARE(OperationsFichiers::QuestionSuppression(noms.mid(0, 16)),
             "Envoyer à la corbeille les 16 fichiers suivants :\n\n" + quinze +
                 "\net  1 autre ...");
    QCOMPARE(OperationsFichiers::QuestionSuppression(noms),
             "Envoyer à la corbeille les 20 fichiers suivants :\n\n" + quinze +
                 "\net  5 autres ...");
}

void TstOperationsFichiers::nomsDeDossier_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<RefusNom>("attendu");
    QTest::newRow("accents et espaces") << " Été à Noël " << RefusNom::Aucun;
    QTest::newRow("tiret, guillemet simple, $()") << "-x 'a' $(b)" << RefusNom::Aucun;
    QTest::newRow("espaces seuls") << "   " << RefusNom::Vide;
    QTest::newRow("deux-points") << "a:b" << RefusNom::CaractereInterdit;
    QTest::newRow("NUL") << QString("a") + QChar(0) << RefusNom::CaractereInterdit;
    QTest::newRow(".") << "." << RefusNom::Point;
    QTest::newRow("..") << ".." << RefusNom::Point;
    QTest::newRow("caché") << ".photos" << RefusNom::Point;
    QTest::newRow("255 octets") << QString(127, QChar(0xE9)) + "a" << RefusNom::Aucun;
    QTest::newRow("256 octets") << QString(128, QChar(0xE9)) << RefusNom::TropLong;
}

void TstOperationsFichiers::nomsDeDossier() {
    QFETCH(QString, nom);
    QFETCH(RefusNom, attendu);
    QCOMPARE(OperationsFichiers::VerifierNomDossier(nom), attendu);
}

QTEST_GUILESS_MAIN(TstOperationsFichiers)
#include "tst_operationsfichiers.moc"
