#ifndef DFUNCTIONPAGESTANDIN_H
#define DFUNCTIONPAGESTANDIN_H

#include "ui/customKeys/DKeyFunctionPage.h"

class QLabel;

// Holds a function page's place on the custom-keys page until the page
// itself exists: it loads like a function page and tells whether the key
// has a binding of its kind, but stores nothing.
class DFunctionPageStandIn : public DKeyFunctionPage
{
    Q_OBJECT
public:
    // caption: untranslated function name (context "DCustomKeysPage");
    // firstType..lastType: the stored types it edits (none for the Default page).
    DFunctionPageStandIn(const char *caption, int firstType, int lastType, QWidget *parent = nullptr);

    void retranslate() override;
    // Keeps the key a capture picked, for the page that takes its place.
    void setKey(int keyCode) override { m_pickedKey = keyCode; }
    int pickedKey() const { return m_pickedKey; }

    const char *caption() const { return m_caption; }
    bool showsBinding() const { return m_hasBinding; }
    QString shownText() const;

protected:
    bool ownsType(int type) const override;
    void clearChoice() override;
    void showBinding(const KeyOperateInfo &info) override;

private:
    const char *m_caption;
    int m_firstType;
    int m_lastType;
    bool m_hasBinding = false;
    int m_pickedKey = -1;
    QLabel *m_title;
    QLabel *m_state;
};

#endif // DFUNCTIONPAGESTANDIN_H
