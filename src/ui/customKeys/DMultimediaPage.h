#ifndef DMULTIMEDIAPAGE_H
#define DMULTIMEDIAPAGE_H

#include "ui/customKeys/DChoiceFunctionPage.h"

namespace Ui {
class DMultimediaPage;
}

// The "Multimedia" function page: media, volume and application keys.
class DMultimediaPage : public DChoiceFunctionPage
{
    Q_OBJECT
public:
    explicit DMultimediaPage(QWidget *parent = nullptr);
    ~DMultimediaPage() override;

    void retranslate() override;

protected:
    bool ownsType(int type) const override { return type == KeyFunctionMultimedia; }

private:
    void applyTexts();

    Ui::DMultimediaPage *ui;
};

#endif // DMULTIMEDIAPAGE_H
