#include "banc.h"
#include "demarrage.h"
#include "frmdepart.h"
#include "frmphoto.h"

#include <QDir>
#include <QFile>
#include <QLabel>

namespace {

const QString Info1 = QStringLiteral(
    "Pour fonctionner avec les dernières versions de Windows,\nles données doivent être "
    "placées dans un répertoire spécifique, différent du répertoire de l'application.");
const QString Info2 = QStringLiteral(
    "Sélectionnez uniquement le répertoire où seront enregistrées les données du programme "
    "sur le disque dur de votre ordinateur.\n\nCe répertoire DOIT ETRE celui qui porte  "
    "\"VOTRE NOM D' UTILISATEUR\",   et dont l'emplacement diffère selon les versions de "
    "Windows :\n\n- Dans \"Documents And settings\" sous XP\n- Dans \"Utilisateurs ou "
    "Users\" pour les versions ultérieures (Seven, 8)");
const QString Obligatoire =
    QStringLiteral("Ce renseignement est obligatoire ; voulez-vous continuer ?");
const QString PasLeBon = QStringLiteral("Ce répertoire n'est pas le bon ; voulez-vous continuer ?");

// The two explanations that open the procedure, then the folder picker's answer.
void attendreDebut(Banc& b, const QString& dossier) {
    b.dialogues.attendreMessage(Info1);
    b.dialogues.attendreMessage(Info2);
    b.dialogues.attendreDossier(dossier);
}

} // namespace

class TstDemarrage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dossierChoisi_data();
    void dossierChoisi();
    void annulerPuisNon();
    void dossierRefuse();
    void dossierImpossibleACreer();
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
    if (annulerDabord) {
        attendreDebut(b, "");
        b.dialogues.attendreMessage(Obligatoire, Dialogues::Reponse::Oui);
        b.dialogues.attendreDossier(nom);
    } else {
        attendreDebut(b, nom);
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

void TstDemarrage::annulerPuisNon() {
    Banc b;
    attendreDebut(b, "");
    b.dialogues.attendreMessage(Obligatoire, Dialogues::Reponse::Non);
    b.dialogues.attendreMessage("Lancement du programme interrompu par défaut de renseignement !");
    Demarrage demarrage(b.plateforme);
    QVERIFY(!demarrage.Lancer());
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(b.dialogues.vues().last().icone, Dialogues::Icone::Critique);
    // Nothing written, no window left.
    QCOMPARE(QDir(b.programme()).entryList(QDir::Files), QStringList());
    QVERIFY(!demarrage.fenetreDepart());
    QCOMPARE(b.horloge.minuteriesEnAttente(), 0);
}

void TstDemarrage::dossierRefuse() {
    Banc b;
    // Outside the test's home, in a folder of its own.
    const QString ailleurs = QDir::cleanPath(DossierPersonnelTest() + "/../ailleurs");
    attendreDebut(b, ailleurs);
    b.dialogues.attendreMessage(PasLeBon, Dialogues::Reponse::Oui);
    b.dialogues.attendreDossier(DossierPersonnelTest() + "/Public");
    b.dialogues.attendreMessage(PasLeBon, Dialogues::Reponse::Non);
    b.dialogues.attendreMessage("Lancement du programme interrompu par erreur de renseignement !");
    EtatProgramme etat;
    FrmDepart depart(b.plateforme, etat);
    QVERIFY(!depart.ProcedureDossierDonnees());
    VERIFIER_DIALOGUES(b.dialogues);
    QVERIFY(!QFile::exists(b.programme() + "/CheminData.cfg"));
    QVERIFY(!QFile::exists(ailleurs + "/DataKorvane"));
}

void TstDemarrage::dossierImpossibleACreer() {
    Banc b;
    // A file stands where the folder must go.
    const QString nom = b.racine() + "/Nom";
    Banc::creerFichier(nom + "/DataKorvane", "pas un dossier");
    attendreDebut(b, nom);
    b.dialogues.attendreMessage("Le dossier suivant n'a pas pu être créé :\n" + nom +
                                "/DataKorvane\n\nLancement du programme interrompu !");
    EtatProgramme etat;
    FrmDepart depart(b.plateforme, etat);
    QVERIFY(!depart.ProcedureDossierDonnees());
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(Banc::lire(nom + "/DataKorvane"), QByteArray("pas un dossier"));
    QVERIFY(!QFile::exists(b.programme() + "/CheminData.cfg"));

    // The program folder itself: a file in its place ends the program before any question.
    const QString programme = b.racine() + "/programme-fichier";
    Banc::creerFichier(programme, "pas un dossier");
    b.plateforme.environnement.dossierProgramme = programme;
    b.dialogues.attendreMessage("Le dossier suivant n'a pas pu être créé :\n" + programme +
                                "\n\nLancement du programme interrompu !");
    Demarrage demarrage(b.plateforme);
    QVERIFY(!demarrage.Lancer());
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(Banc::lire(programme), QByteArray("pas un dossier"));
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
    // With a database to move, the missing folder is made again for it.
    Banc::creerFichier(b.programme() + "/Date.mdb", "base");
    QVERIFY(depart.ProcedureDossierDonnees());
    QCOMPARE(Banc::lire(donnees + "/Date.mdb"), QByteArray("base"));
    // A newer database replaces the one already moved, silently.
    Banc::creerFichier(b.programme() + "/Date.mdb", "nouvelle");
    QVERIFY(depart.ProcedureDossierDonnees());
    QVERIFY(!QFile::exists(b.programme() + "/Date.mdb"));
    QCOMPARE(Banc::lire(donnees + "/Date.mdb"), QByteArray("nouvelle"));
    VERIFIER_DIALOGUES(b.dialogues);
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
    QVERIFY(demarrage.fenetrePrincipale());
    QVERIFY(demarrage.fenetrePrincipale()->isVisible());
    QCOMPARE(demarrage.fenetrePrincipale()->windowTitle(), QString("  VIMBRAL"));
    QCOMPARE(demarrage.etat().DossierDonnees, donnees);
}

VIMBRAL_TEST_MAIN(TstDemarrage)
#include "tst_demarrage.moc"
