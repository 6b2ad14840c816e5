#pragma once

#include "commands/PoolHandOff.h"
#include "render/VpStreamRenderer.h"

#include <QByteArray>
#include <QFutureWatcher>
#include <QImage>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>

class PreviewPageStore;
class QQmlEngine;

// What a print will look like on 58 or 80 mm paper, drawn by the virtual
// printer's renderer (VpStreamRenderer) from the very bytes that would be
// sent. The scenes create one per view (PrintPreview from "Quillmark.Preview"),
// hand it what they would print and show `pages`, served by the "preview"
// image provider. Changes are collected for DebounceMs and drawn on a worker
// thread, so typing never waits for the drawing.
class PrintPreview : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int paperMm READ paperMm WRITE setPaperMm NOTIFY paperMmChanged)
    Q_PROPERTY(int paperDots READ paperDots NOTIFY paperMmChanged)
    // "image://preview/..." URLs of the pages of the latest rendering, one per cut.
    Q_PROPERTY(QStringList pages READ pages NOTIFY rendered)
    // Pieces of the bytes that the printer could not read, and commands it could not print.
    Q_PROPERTY(int undecodedCount READ undecodedCount NOTIFY rendered)
    Q_PROPERTY(int unprintedCount READ unprintedCount NOTIFY rendered)
    // Pages beyond MaxPages that are not shown.
    Q_PROPERTY(int hiddenPages READ hiddenPages NOTIFY rendered)
    // True from a change until its pages are there.
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
    // Counts the renderings that have finished.
    Q_PROPERTY(int revision READ revision NOTIFY rendered)
public:
    static constexpr int DebounceMs = 200;
    static constexpr int MaxPages = 20;
    static constexpr int Paper58Mm = 58;
    static constexpr int Paper80Mm = 80;

    // Makes the type and its image provider known to an engine; before any
    // scene that uses them is loaded.
    static void registerWith(QQmlEngine *engine);

    explicit PrintPreview(QObject *parent = nullptr);
    ~PrintPreview() override;

    int paperMm() const { return m_paperMm; }
    // 58 or 80; other widths leave the paper as it is.
    void setPaperMm(int mm);
    int paperDots() const;
    QStringList pages() const { return m_pageUrls; }
    int undecodedCount() const { return m_undecoded; }
    int unprintedCount() const { return m_unprinted; }
    int hiddenPages() const { return m_hiddenPages; }
    bool busy() const { return m_busy; }
    int revision() const { return m_revision; }

    // A stored test page or receipt: the hexadecimal text as the settings keep
    // it, read as the test print reads it.
    Q_INVOKABLE void showHexText(const QString &text);
    // What the text page's "打印/设置" sends for its action (1 print and line
    // feed, 2 print and feed `value` lines, 3 print and feed `value` motion
    // units, 4 set the line spacing to `value`; others send nothing), the
    // text as typed (or hexadecimal) and the code page.
    Q_INVOKABLE void showWorkingModeText(int action, bool hex, const QString &text, const QString &codePage,
                                         int value);
    void showBytes(const QByteArray &bytes);

    QByteArray bytes() const { return m_bytes; }
    // The pages of the latest rendering as drawn (8-bit grey, one dot a pixel).
    QList<QImage> pageImages() const { return m_pageImages; }

signals:
    void paperMmChanged();
    void rendered();
    void busyChanged();

private:
    void schedule();
    void startRendering();
    void takeResult(const VpStreamRenderer::Result &result);
    void setBusy(bool busy);
    static VpStreamRenderer::Result renderBytes(const QByteArray &bytes, int paperDots);

    const QString m_owner; // name of this preview's pages in the store
    int m_paperMm = Paper80Mm;
    QByteArray m_bytes;
    QTimer m_debounce;
    QFutureWatcher<VpStreamRenderer::Result> m_watcher;
    PoolHandOff m_handOff;
    bool m_pending = false; // changed while a rendering ran
    bool m_busy = false;
    QList<QImage> m_pageImages;
    QStringList m_pageUrls;
    int m_undecoded = 0;
    int m_unprinted = 0;
    int m_hiddenPages = 0;
    int m_revision = 0;
    std::shared_ptr<PreviewPageStore> m_store;
};
