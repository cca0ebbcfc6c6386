#pragma once
// The progress reporting of long tasks (program generation, dictionary import). The window
// that shows it belongs to the application; the core only reports.
#include <QString>

namespace dd {

class ProgressReporter {
public:
    virtual ~ProgressReporter() = default;
    // Shows the progress; mode 1 is a percentage gauge, the only mode the core uses.
    virtual void openProgress(int mode, const QString &message) = 0;
    // Sets the message and the maximum (a maximum of 0 or less counts as 1), position 0.
    virtual void resetProgress(const QString &message, int maximum) = 0;
    // Advances the position by one and shows the message; lets pending events run.
    virtual void stepProgress(const QString &message) = 0;
    virtual void closeProgress() = 0;
};

// Opens the progress for one task and closes it when the task ends, also by an exception.
// A null reporter reports nothing.
class ProgressSession {
public:
    ProgressSession(ProgressReporter *reporter, const QString &message) : m_reporter(reporter)
    {
        if (m_reporter)
            m_reporter->openProgress(1, message);
    }
    ~ProgressSession()
    {
        if (m_reporter)
            m_reporter->closeProgress();
    }
    ProgressSession(const ProgressSession &) = delete;
    ProgressSession &operator=(const ProgressSession &) = delete;

    void reset(const QString &message, qsizetype maximum)
    {
        if (m_reporter)
            m_reporter->resetProgress(message, int(maximum));
    }
    void step(const QString &message)
    {
        if (m_reporter)
            m_reporter->stepProgress(message);
    }

private:
    ProgressReporter *m_reporter;
};

} // namespace dd
