#pragma once

// Publishing the popup to a whole site from the output page: the site's folder, its pages with
// a check box and their state, a filter, the popup folder, what will change (counts and one
// page's diff) before anything is written, a progress bar with Cancel, the summary, Take down
// and Update.

#include <QDialog>

#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class TPopupSource;
class TSitePublisher;
struct TSitePlan;

class TSitePublishDialog : public QDialog {
    Q_OBJECT
public:
    // designName names the default popup folder (popup/<design name>/).
    TSitePublishDialog(QWidget *parent, TPopupSource &source, const QString &designName);
    ~TSitePublishDialog() override;

    // Handlers, public so that tests can drive them like the controls do.
    void ChooseSite(const QString &folder);
    void ShowPages();
    void ShowWhatWillChange();
    void PublishClick();
    void UpdateClick();
    void TakeDownClick();
    void CancelClick();
    // Escape: stops the pages being written, or closes the dialog when nothing runs.
    void reject() override;

private:
    TSitePublisher &Publisher();
    QStringList CheckedPages() const;
    bool Run(const TSitePlan &plan, bool takeDown);
    void ShowPlan(const TSitePlan &plan);

    TPopupSource &m_source;
    QString m_designName;
    std::unique_ptr<TSitePublisher> m_publisher;
    std::unique_ptr<TSitePlan> m_plan;
    bool m_cancel = false;
    bool m_running = false;

    QLineEdit *m_site;
    QLineEdit *m_popupFolder;
    QLineEdit *m_include;
    QLineEdit *m_exclude;
    QTreeWidget *m_pages;
    QLabel *m_counts;
    QPlainTextEdit *m_diff;
    QProgressBar *m_progress;
    QPushButton *m_publish;
    QPushButton *m_cancelButton;
    QLabel *m_summary;
};
