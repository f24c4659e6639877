// The start-up window: the data folder's procedure, its refusals, and the hand-over to the
// main window.
#include "banc.h"
#include "demarrage.h"
#include "frmdepart.h"
#include "frmphoto.h"

#include <QDir>
#include <QFile>
#include <QLabel>

namespace {

const QString Obligatoire =
    QStringLiteral("Ce renseignement est obligatoire ; voulez-vous continuer ?");
const QString PasLeBon = QStringLiteral("Ce répertoire n'est pas le bon ; voulez-vous continuer ?");

// The two explanations that open the procedure, then the folder picker's answer.
void attendreDebut(Banc& b, const QString& dossier) {
    b.dialogues.attendreMessages(
        {"Pour fonctionner avec les dernières versions de Windows,\nles données doivent être "
         "placées dans un répertoire spécifique, différent du répertoire de l'application.",
         "Sélectionnez uniquement le répertoire où seront enregistrées les données du programme "
         "sur le disque dur de votre ordinateur.\n\nCe répertoire DOIT ETRE celui qui porte  "
         "\"VOTRE NOM D' UTILISATEUR\",   et dont l'emplacement diffère selon les versions de "
         "Windows :\n\n- Dans \"Documents And settings\" sous XP\n- Dans \"Utilisateurs ou "
         "Users\" pour les versions ultérieures (Seven, 8)"});
    b.dialogues.attendreDossier(dossier);
}

} // namespace

class TstDemarrage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dossierChoisi_data();
    void dossierChoisi();
    void refus_data();
    void refus();
    void cheminEnregistreSansTest();
    void passageALaFenetrePrincipale();
};

void TstDemarrage::dossierChoisi_data() {
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<bool>("annulerDabord");
    QTest::newRow("premier démarrage") << QByteArray("absent") << false;
    QTest::newRow("sans DataPhoto") << QByteArray("\"/home/nom/Donnees\"\r\n") << false;
    QTest::newRow("dataphoto en minuscules") << QByteArray("\"/home/nom/dataphoto\"\r\n") << false;
    QTest::newRow("fichier vide") << QByteArray() << false;
    QTest::newRow("annuler puis oui") << QByteArray("absent") << true;
}

void TstDemarrage::dossierChoisi() {
    QFETCH(QByteArray, contenu);
    QFETCH(bool, annulerDabord);
    Banc b;
    if (contenu != "absent")
        Banc::creerFichier(b.programme() + "/CheminData.cfg", contenu);
    const QString nom = b.racine() + "/Nom";
    QDir().mkpath(nom);
    attendreDebut(b, annulerDabord ? "" : nom);
    if (annulerDabord) {
        b.dialogues.attendreMessage(Obligatoire, Dialogues::Reponse::Oui);
        b.dialogues.attendreDossier(nom);
    }
    EtatProgramme etat;
    FrmDepart depart(b.plateforme, etat);
    QVERIFY(depart.ProcedureDossierDonnees());
    VERIFIER_DIALOGUES(b.dialogues);
    const auto& vues = b.dialogues.vues();
    QCOMPARE(vues[0].icone, Dialogues::Icone::Information);
    QCOMPARE(vues[2].texte,
             QString("Sélectionnez uniquement le répertoire à votre NOM D'UTILISATEUR"));
    if (annulerDabord)
        QCOMPARE(vues[3].boutons, Dialogues::Boutons::OuiNon);
    const QString donnees = nom + "/DataKorvane/DataPhoto";
    QCOMPARE(etat.DossierDonnees, donnees);
    QVERIFY(QFileInfo(donnees).isDir());
    QCOMPARE(Banc::lire(b.programme() + "/CheminData.cfg"), ("\"" + donnees + "\"\r\n").toUtf8());
}

void TstDemarrage::refus_data() {
    // The folder answers in turn ("" for Cancel), the boxes between them; %1 the test's root,
    // %2 its home. The program then stops with nothing written.
    QTest::addColumn<QStringList>("dossiers");
    QTest::addColumn<QStringList>("boites");
    QTest::newRow("annuler puis non")
        << QStringList{""}
        << QStringList{"non:" + Obligatoire,
                       "Lancement du programme interrompu par défaut de renseignement !"};
    // Outside the test's home, then its shared folder.
    QTest::newRow("dossiers refusés")
        << QStringList{"%2/../ailleurs", "%2/Public"}
        << QStringList{"oui:" + PasLeBon, "non:" + PasLeBon,
                       "Lancement du programme interrompu par erreur de renseignement !"};
    // A file stands where the folder must go.
    QTest::newRow("dossier impossible à créer")
        << QStringList{"%1/Nom"}
        << QStringList{"Le dossier suivant n'a pas pu être créé :\n%1/Nom/DataKorvane\n\n"
                       "Lancement du programme interrompu !"};
    // The program folder itself: a file in its place ends the program before any question.
    QTest::newRow("dossier du programme impossible à créer")
        << QStringList{}
        << QStringList{"Le dossier suivant n'a pas pu être créé :\n%1/programme-"
                       "fichier\n\nLancement du programme interrompu !"};
}

void TstDemarrage::refus() {
    QFETCH(QStringList, dossiers);
    QFETCH(QStringList, boites);
    Banc b;
    Banc::creerFichier(b.racine() + "/Nom/DataKorvane", "pas un dossier");
    auto texte = [&](QString t) {
        return t.replace("%1", b.racine()).replace("%2", DossierPersonnelTest());
    };
    auto chemin = [&](const QString& t) { return QDir::cleanPath(texte(t)); };
    if (dossiers.isEmpty()) {
        Banc::creerFichier(b.racine() + "/programme-fichier", "pas un dossier");
        b.plateforme.environnement.dossierProgramme = b.racine() + "/programme-fichier";
    } else {
        attendreDebut(b, chemin(dossiers[0]));
    }
    for (int i = 0; i < boites.size(); ++i) {
        b.dialogues.attendreMessages({texte(boites[i])});
        if (i + 1 < dossiers.size())
            b.dialogues.attendreDossier(chemin(dossiers[i + 1]));
    }
    Demarrage demarrage(b.plateforme);
    QVERIFY(!demarrage.Lancer());
    VERIFIER_DIALOGUES(b.dialogues);
    QVERIFY(!demarrage.fenetreDepart() && !demarrage.fenetrePrincipale());
    QCOMPARE(b.horloge.minuteriesEnAttente(), 0);
    QCOMPARE(QDir(b.programme()).entryList(QDir::Files), QStringList());
    QCOMPARE(Banc::lire(b.racine() + "/Nom/DataKorvane"), QByteArray("pas un dossier"));
    QVERIFY(!QFile::exists(DossierPersonnelTest() + "/../ailleurs/DataKorvane"));
}

void TstDemarrage::cheminEnregistreSansTest() {
    Banc b;
    const QString donnees = b.racine() + "/disparu/DataKorvane/DataPhoto";
    Banc::creerFichier(b.programme() + "/CheminData.cfg", FichiersParametres::texteSeul(donnees));
    EtatProgramme etat;
    FrmDepart depart(b.plateforme, etat);
    QVERIFY(depart.ProcedureDossierDonnees());
    QCOMPARE(etat.DossierDonnees, donnees);
    QVERIFY(!QFileInfo::exists(donnees));
    // With a database to move, the missing folder is made again for it; a newer database
    // replaces the one already moved, silently.
    for (const QByteArray base : {"base", "nouvelle"}) {
        Banc::creerFichier(b.programme() + "/Date.mdb", base);
        QVERIFY(depart.ProcedureDossierDonnees());
        QCOMPARE(Banc::lire(donnees + "/Date.mdb"), base);
    }
    QVERIFY(!QFile::exists(b.programme() + "/Date.mdb"));
    QCOMPARE(b.dialogues.vues().size(), 0);
}

void TstDemarrage::passageALaFenetrePrincipale() {
    Banc b;
    const QString donnees = b.racine() + "/Nom/DataKorvane/DataPhoto";
    Banc::creerFichier(b.programme() + "/CheminData.cfg", FichiersParametres::texteSeul(donnees));
    Demarrage demarrage(b.plateforme);
    QVERIFY(demarrage.Lancer());
    QVERIFY(demarrage.fenetreDepart()->isVisible());
    QCOMPARE(demarrage.fenetreDepart()->LblLigne->text(),
             QString("Pour renommer et organiser rapidement vos fichiers photos"));
    QCOMPARE(demarrage.fenetreDepart()->LblVersion->text(), QString("Version [1.2.3]"));
    QCOMPARE(b.horloge.delais(), QList<int>{4000});
    QVERIFY(!demarrage.fenetrePrincipale());
    b.horloge.declencher();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!demarrage.fenetreDepart());
    QVERIFY(demarrage.fenetrePrincipale() && demarrage.fenetrePrincipale()->isVisible());
    QCOMPARE(demarrage.fenetrePrincipale()->windowTitle(), QString("  VIMBRAL"));
    QCOMPARE(demarrage.etat().DossierDonnees, donnees);
}

VIMBRAL_TEST_MAIN(TstDemarrage)
#include "tst_demarrage.moc"
