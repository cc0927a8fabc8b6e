#pragma once

#include "ui/screen/screen.h"

namespace principle {

// How a cell works, in four pages that slide up into the window one after another, with a table
// of the reactivity of metals and a push-switch animation of two metals in an electrolyte.
class PrincipleScreen : public ui::Screen {
    Q_OBJECT
public:
    explicit PrincipleScreen(ui::ScreenHost& host);

    static constexpr int kSlideIntervalMs = 10;
    static constexpr int kSlideStepTwips = 90;        // 6 px a tick
    static constexpr int kSlideStartTopTwips = 7155;  // the top 15 twips show at the bottom edge
    static constexpr int kSlideEndTopTwips = 945;
    static constexpr int kAnimationIntervalMs = 100;
    static constexpr int kAnimationFrames = 9;  // then one tick with the strips hidden

    qint16 pageNo() const { return m_pageNo; }
    qint16 animStep() const { return m_animStep; }

signals:
    void menuRequested();  // the screen has unloaded itself

private:
    void load() override;
    void activate() override;

    void menuPressed();
    void nextPagePressed();
    void restartPagesPressed();
    void tablePressed();
    void tableClosed();
    void switchPressed();
    void firstPageSlideTicked();
    void pageSlideTicked();
    void switchAnimationTicked();

    void startPageOne();
    void startPage(std::string_view frame, std::string_view list, const QString& text, std::string_view clock);
    void slideStep(std::string_view frame, std::string_view text, std::string_view clock);

    qint16 m_pageNo = 0;
    qint16 m_animStep = 0;
};

}  // namespace principle
