#pragma once

#include "progress/HighScores.h"

#include <QDialog>

namespace clavora {

// "High Scores": every local user by best net speed, the speeds in a walk of colours. Long
// lists scroll.
class HighScoresWindow final : public QDialog
{
    Q_OBJECT

public:
    explicit HighScoresWindow(const QList<HighScoreRow>& rows, QWidget* parent = nullptr);
};

} // namespace clavora
