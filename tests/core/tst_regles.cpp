#include "lignecommande.h"
#include "nomsfichiers.h"
#include "nomwindows.h"
#include "regleprofil.h"
#include "typesfichiers.h"

#include <QTest>

class TstRegles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void motifs_data();
    void motifs();
    void ordre();
    void composition_data();
    void composition();
    void texteDesTypes();
    void nomWindows_data();
    void nomWindows();
    void profil_data();
    void profil();
    void dossierProgramme_data();
    void dossierProgramme();
    void caracteresInterdits();
    void ligneCommande_data();
    void ligneCommande();
};

void TstRegles::motifs_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("motif");
    QTest::addColumn<bool>("attendu");
    auto ligne = [](const char* nom, const char* fichier, const char* motif, bool attendu) {
        QTest::newRow(nom) << QString::fromUtf8(fichier) << QString(motif) << attendu;
    };
    ligne("extension en majuscules", "A.JPG", "*.jpg", true);
    ligne("jpeg n'est pas jpg", "a.jpeg", "*.jpg", false);
    ligne("marqué n'a plus l'extension", "a.jpg   [M]", "*.jpg", false);
    ligne("dernier point seulement", "photo.jpg.bmp", "*.jpg", false);
    ligne("plusieurs points", "vacances.2019.été.JPG", "*.jpg", true);
    ligne("sans point", "jpg", "*.jpg", false);
    ligne("tout", "sans extension", "*.*", true);
    ligne("marque", "x.mp3   [M]", "*.*   [M]", true);
    ligne("marque incomplète", "x.mp3  [M]", "*.*   [M]", false);
    ligne("tiret en tête", "-rf.jpg", "*.jpg", true);
}

void TstRegles::motifs() {
    QFETCH(QString, nom);
    QFETCH(QString, motif);
    QFETCH(bool, attendu);
    QCOMPARE(NomsFichiers::CorrespondMotif(nom, motif), attendu);
}

void TstRegles::ordre() {
    QStringList noms{"b.jpg", "A.jpg", "a.jpg", "Été.jpg", "_x.jpg", "10.jpg", "2.jpg", "B.jpg"};
    NomsFichiers::TrierCommeDossier(noms);
    QCOMPARE(noms, QStringList({"10.jpg", "2.jpg", "A.jpg", "a.jpg", "B.jpg", "b.jpg", "_x.jpg",
                                "Été.jpg"}));
    for (int i = 1; i < noms.size(); ++i)
        QVERIFY(NomsFichiers::AvantDans(noms[i - 1], noms[i]));
}

void TstRegles::composition_data() {
    QTest::addColumn<QStringList>("noms");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("filtre");
    QTest::addColumn<bool>("casse");
    QTest::addColumn<QStringList>("attendu");
    const QStringList dossier{"a.jpg   [M]", "b.jpg", "c.bmp"};
    QTest::newRow("marqués d'abord, puis bmp avant jpg")
        << dossier << 0 << "" << true << QStringList{"a.jpg   [M]", "c.bmp", "b.jpg"};
    QTest::newRow("son marqué sous les images") << QStringList{"b.jpg", "x.mp3   [M]"} << 0 << ""
                                                << true << QStringList{"x.mp3   [M]", "b.jpg"};
    QTest::newRow("tous les fichiers: marqué une seule fois")
        << QStringList{"a.jpg   [M]", "b.jpg", "notes.txt"} << 8 << "" << true
        << QStringList{"a.jpg   [M]", "b.jpg", "notes.txt"};
    QTest::newRow("jpg puis jpeg") << QStringList{"a.jpeg", "b.jpg", "c.JPG"} << 1 << "" << true
                                   << QStringList{"b.jpg", "c.JPG", "a.jpeg"};
    QTest::newRow("sons") << QStringList{"a.mid", "b.wav", "c.mp3", "d.jpg"} << 4 << "" << true
                          << QStringList{"c.mp3", "b.wav", "a.mid"};
    QTest::newRow("chaîne en respectant la casse")
        << QStringList{"ETE 2019.jpg", "Ete 2019.jpg", "hiver.jpg"} << 7 << "Ete" << true
        << QStringList{"Ete 2019.jpg"};
    QTest::newRow("chaîne en ignorant la casse")
        << QStringList{"ETE 2019.jpg", "Ete 2019.jpg", "hiver.jpg"} << 7 << "Ete" << false
        << QStringList{"ETE 2019.jpg", "Ete 2019.jpg"};
    QTest::newRow("chaîne vide: les marqués seuls")
        << dossier << 7 << "" << true << QStringList{"a.jpg   [M]"};
    QTest::newRow("chaîne: marqué une seule fois")
        << dossier << 7 << "jpg" << true << QStringList{"a.jpg   [M]", "b.jpg"};
    QTest::newRow("dossier vide") << QStringList{} << 0 << "" << true << QStringList{};
    QTest::newRow("noms illisibles classés par ce qui se lit")
        << QStringList{"a.JPG / nom illisible", "b.jpg   [M] / nom illisible",
                       "c.txt / nom illisible"}
        << 0 << "" << true << QStringList{"b.jpg   [M] / nom illisible", "a.JPG / nom illisible"};
}

void TstRegles::composition() {
    QFETCH(QStringList, noms);
    QFETCH(int, index);
    QFETCH(QString, filtre);
    QFETCH(bool, casse);
    QFETCH(QStringList, attendu);
    NomsFichiers::TrierCommeDossier(noms);
    QCOMPARE(TypesFichiers::ComposerListe(noms, index, {filtre, casse}), attendu);
}

void TstRegles::texteDesTypes() {
    QCOMPARE(TypesFichiers::Texte(0), QString("Tous fichiers image  (*.*)"));
    QCOMPARE(TypesFichiers::Texte(7), QString("Tri par chaîne de caractères"));
    QCOMPARE(TypesFichiers::Texte(8), QString("Tous fichiers  (*.*)"));
    QVERIFY(TypesFichiers::EstImage(TypesFichiers::Gif) && !TypesFichiers::EstImage(4));
    QCOMPARE(TypesFichiers::Motifs(0),
             QStringList({"*.bmp", "*.jpg", "*.jpeg", "*.gif", "*.wmf", "*.ico"}));
}

void TstRegles::nomWindows_data() {
    QTest::addColumn<int>("majeure");
    QTest::addColumn<int>("mineure");
    QTest::addColumn<int>("plateforme");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("NT 3") << 3 << 51 << 2 << "WinNT3";
    QTest::newRow("3.x") << 3 << 10 << 1 << "Win3x";
    QTest::newRow("NT 4") << 4 << 0 << 2 << "WinNT4";
    QTest::newRow("95") << 4 << 0 << 1 << "Win95";
    QTest::newRow("98") << 4 << 10 << 1 << "Win98";
    QTest::newRow("ME") << 4 << 90 << 1 << "WinME";
    QTest::newRow("4 inconnu") << 4 << 3 << 1 << "";
    QTest::newRow("2000") << 5 << 0 << 2 << "Win2000";
    QTest::newRow("XP") << 5 << 1 << 2 << "WinXP";
    QTest::newRow("Server 2003") << 5 << 2 << 2 << "";
    QTest::newRow("Seven") << 6 << 1 << 2 << "???";
    QTest::newRow("10") << 10 << 0 << 2 << "???";
}

void TstRegles::nomWindows() {
    QFETCH(int, majeure);
    QFETCH(int, mineure);
    QFETCH(int, plateforme);
    QFETCH(QString, attendu);
    QCOMPARE(NomWindows(majeure, mineure, plateforme), attendu);
}

void TstRegles::profil_data() {
    QTest::addColumn<QString>("dossier");
    QTest::addColumn<bool>("accepte");
    QTest::newRow("le dossier personnel") << "/home/nom" << true;
    QTest::newRow("dedans, avec une barre finale") << "/home/nom/Documents/" << true;
    QTest::newRow("voisin au même début") << "/home/nommé" << false;
    QTest::newRow("hors du dossier personnel") << "/opt/photos" << false;
    QTest::newRow("racine") << "/" << false;
    QTest::newRow("profil Windows monté") << "/mnt/c/Users/Nom" << true;
    QTest::newRow("Documents and Settings") << "/media/xp/Documents and Settings/Nom" << true;
    QTest::newRow("Utilisateurs") << "/mnt/win/utilisateurs/nom" << true;
    QTest::newRow("profil partagé Public") << "/mnt/c/Users/Public" << false;
    QTest::newRow("profil Default") << "/mnt/c/Users/Default" << false;
    QTest::newRow("Public chez soi") << "/home/nom/Public" << false;
    QTest::newRow("un nom qui contient public") << "/home/nom/Publications" << true;
    QTest::newRow("vide") << "" << false;
}

void TstRegles::profil() {
    QFETCH(QString, dossier);
    QFETCH(bool, accepte);
    QCOMPARE(DossierProfilAccepte(dossier, "/home/nom"), accepte);
}

void TstRegles::dossierProgramme_data() {
    QTest::addColumn<QString>("xdg");
    QTest::addColumn<QString>("attendu");
    const QString defaut = QStringLiteral("/home/nom/.local/share/Vimbral");
    QTest::newRow("non défini") << "" << defaut;
    QTest::newRow("absolu") << "/data/nom/"
                            << "/data/nom/Vimbral";
    QTest::newRow("relatif, ignoré") << "donnees" << defaut;
    QTest::newRow("relatif avec point") << "./x" << defaut;
}

void TstRegles::dossierProgramme() {
    QFETCH(QString, xdg);
    QFETCH(QString, attendu);
    QCOMPARE(DossierProgrammeXdg(xdg, "/home/nom"), attendu);
}

void TstRegles::caracteresInterdits() {
    for (const char* t : {"a\\b", "a/b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b"})
        QVERIFY2(NomsFichiers::ContientCaractereInterdit(QString::fromUtf8(t)), t);
    QVERIFY(!NomsFichiers::ContientCaractereInterdit(" _ Été [M] (R) 'x'.jpg"));
}

void TstRegles::ligneCommande_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("chemin");
    using A = LigneCommande::Action;
    QTest::newRow("rien") << QStringList{} << int(A::Ouvrir) << "";
    QTest::newRow("dossier relatif") << QStringList{"Photos/"} << int(A::Ouvrir) << "/ici/Photos";
    QTest::newRow("photo absolue") << QStringList{"/a/../b/x.jpg"} << int(A::Ouvrir) << "/b/x.jpg";
    QTest::newRow("version") << QStringList{"x", "--version"} << int(A::Version) << "";
    QTest::newRow("aide courte") << QStringList{"-h"} << int(A::Aide) << "";
    QTest::newRow("option inconnue") << QStringList{"--tout"} << int(A::Erreur) << "";
    QTest::newRow("deux chemins") << QStringList{"a", "b"} << int(A::Erreur) << "";
    QTest::newRow("nom à tiret après --")
        << QStringList{"--", "-x.jpg"} << int(A::Ouvrir) << "/ici/-x.jpg";
}

void TstRegles::ligneCommande() {
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(QString, chemin);
    const LigneCommande l = LireLigneCommande(QStringList{"vimbral"} + arguments, "/ici");
    QCOMPARE(int(l.action), action);
    QCOMPARE(l.chemin, chemin);
    QCOMPARE(l.message.isEmpty(), l.action != LigneCommande::Action::Erreur);
}

QTEST_GUILESS_MAIN(TstRegles)
#include "tst_regles.moc"
