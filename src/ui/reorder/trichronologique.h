#pragma once

class FrmPhoto;

// The chronological sort of LstFF by the shooting date read in each file's first bytes,
// through the sort table of "Date.mdb" in the data folder. Only the list changes.
class TriChronologique {
public:
    explicit TriChronologique(FrmPhoto& fenetre);

    // The menu command "Trier par ordre chronologique (à partir des données EXIF pour JPG)".
    void mnuTri_Click();

private:
    FrmPhoto& m_f;
};
