// The control tree of the main window: every control with its name, caption, initial state,
// list items and place.
#include "GridUpkeep.h"
#include "InstructionText.h"
#include "RegionalSettings.h"
#include "TDatePicker.h"
#include "TForm1.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

template <typename T, typename... Args> T* make(const char* name, QWidget* parent, Args&&... args) {
    auto* w = new T(std::forward<Args>(args)..., parent);
    w->setObjectName(QLatin1String(name));
    return w;
}

QVBoxLayout* vbox(QWidget* w, int margin = 0) {
    auto* layout = new QVBoxLayout(w);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(0);
    return layout;
}

// Controls docked with margins 3 keep 3 pixels from their neighbours on every side.
QWidget* withMargins(QWidget* control, int margin) {
    auto* holder = new QWidget(control->parentWidget());
    auto* layout = vbox(holder, margin);
    control->setParent(holder);
    layout->addWidget(control);
    holder->setSizePolicy(control->sizePolicy());
    return holder;
}

constexpr int ButtonHeight = 25;
constexpr int RowHeight = 16;

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
    auto* b = make<QPushButton>(name, parent, caption);
    b->setFixedHeight(ButtonHeight);
    return b;
}

QDateEdit* datePicker(const char* name, QWidget* parent) {
    auto* d = make<TDatePicker>(name, parent);
    d->setLocale(Regional::locale());
    d->setDisplayFormat(Regional::LongDateFormat);
    d->setCalendarPopup(true);
    d->calendarWidget()->setLocale(Regional::locale());
    d->calendarWidget()->setFirstDayOfWeek(Qt::Monday);
    d->setDate(QDate::currentDate());
    return d;
}

QComboBox* dropDown(const char* name, QWidget* parent, const QStringList& items, int index) {
    auto* c = make<QComboBox>(name, parent);
    c->setEditable(false);
    c->addItems(items);
    c->setCurrentIndex(index);
    return c;
}

void setupGrid(TStringGridView* grid, int cols, int rows, int fixedRows, int fixedCols,
               int defaultColWidth, int gridLineWidth) {
    grid->grid().setColCount(cols);
    grid->grid().setRowCount(rows);
    grid->grid().setFixedRows(fixedRows);
    grid->grid().setFixedCols(fixedCols);
    grid->setDefaultColWidth(defaultColWidth);
    grid->setDefaultRowHeight(RowHeight);
    grid->setGridLineWidth(gridLineWidth);
}

} // namespace

void TForm1::buildControls() {
    setWindowTitle(QStringLiteral("Ссудограф"));
    // Tahoma where it is installed; otherwise a sans serif of like width with Cyrillic glyphs.
    QFont windowFont(QStringLiteral("Tahoma"));
    windowFont.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                            QStringLiteral("DejaVu Sans")});
    windowFont.setPointSize(8);
    windowFont.setStyleHint(QFont::SansSerif);
    setFont(windowFont);
    resize(1203, 755);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form1Client"));
    setCentralWidget(central);
    auto* mainLayout = new QHBoxLayout(central);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    mainLayout->setSpacing(0);

    PanelLeft = make<QWidget>("PanelLeft", central);
    PanelLeft->setFixedWidth(557);
    PanelRight = make<QWidget>("PanelRight", central);
    mainLayout->addWidget(PanelLeft);
    mainLayout->addWidget(PanelRight, 1);

    auto* leftLayout = new QHBoxLayout(PanelLeft);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->setSpacing(0);
    PanelLeftLeft = make<QWidget>("PanelLeftLeft", PanelLeft);
    PanelLeftRight = make<QWidget>("PanelLeftRight", PanelLeft);
    PanelLeftRight->setFixedWidth(239);
    leftLayout->addWidget(PanelLeftLeft, 1);
    leftLayout->addWidget(PanelLeftRight);

    // Schedule area.
    {
        auto* layout = vbox(PanelRight);
        Status = make<TStatusBar>("Status", PanelRight);
        Status->setPanelWidths({150, 150});
        Grafik = make<TStringGridView>("Grafik", PanelRight);
        setupGrid(Grafik, 7, 2, 1, 2, 100, 2);
        const int widths[] = {85, 100, 100, 100, 100, 100, 100};
        for (int c = 0; c < 7; ++c)
            Grafik->setColWidth(c, widths[c]);
        Grafik->setColSizing(true);
        ClearGrafik = button("ClearGrafik", QStringLiteral("Очистить график"), PanelRight);
        BBGraf = button("BBGraf", QStringLiteral("Построить график"), PanelRight);
        layout->addWidget(Status);
        layout->addWidget(Grafik, 1);
        layout->addWidget(ClearGrafik);
        layout->addWidget(BBGraf);
    }

    // Lists.
    {
        auto* layout = vbox(PanelLeftLeft);
        PCSpiski = make<QTabWidget>("PCSpiski", PanelLeftLeft);
        layout->addWidget(PCSpiski);

        TS1 = make<QWidget>("TS1", PCSpiski);
        auto* ts1 = vbox(TS1);
        List = make<TStringGridView>("List", TS1);
        setupGrid(List, 2, 2, 1, 0, 64, 1);
        List->setColSizing(false);
        HideCred = make<QCheckBox>("HideCred", TS1, QStringLiteral("Скрыть завершённые кредиты"));
        ts1->addWidget(List, 1);
        ts1->addWidget(HideCred);

        TS2 = make<QWidget>("TS2", PCSpiski);
        auto* ts2 = vbox(TS2);
        DataPlateja = make<TStringGridView>("DataPlateja", TS2);
        setupGrid(DataPlateja, 3, 1, 0, 0, 64, 1);
        DataPlateja->setColSizing(true);
        LOplatit =
            make<QLabel>("LOplatit", TS2, QStringLiteral("Всего осталось оплатить: 0,00 руб"));
        QFont bold = LOplatit->font();
        bold.setBold(true);
        LOplatit->setFont(bold);
        LOplatit->setToolTip(LOplatit->text());
        ts2->addWidget(DataPlateja, 1);
        ts2->addWidget(LOplatit);

        TS3 = make<QWidget>("TS3", PCSpiski);
        auto* ts3 = vbox(TS3);
        Label1 = make<QLabel>("Label1", TS3, QStringLiteral("ВКЛАДКА НАХОДИТСЯ В РАЗРАБОТКЕ"));
        Label1->setAlignment(Qt::AlignCenter);
        ts3->addWidget(Label1);
        ts3->addStretch(1);

        PCSpiski->addTab(TS1, QStringLiteral("Список кредитов и вкладов"));
        PCSpiski->addTab(TS2, QStringLiteral("Оплата по кредитам"));
        PCSpiski->addTab(TS3, QStringLiteral("Выплаты по вкладам"));
        PCSpiski->setTabEnabled(PCSpiski->indexOf(TS3), false);
        PCSpiski->setCurrentWidget(TS1);

        PopMenu = make<QMenu>("PopMenu", this);
        DelRec = new QAction(QStringLiteral("Удалить выделенную запись"), PopMenu);
        DelRec->setObjectName(QStringLiteral("DelRec"));
        PopMenu->addAction(DelRec);
        List->setPopupMenu(PopMenu);
    }

    // Record editor.
    {
        auto* layout = vbox(PanelLeftRight, 2);
        LName = make<QLabel>("LName", PanelLeftRight, QStringLiteral("Наименование"));
        EName = make<TEdit>("EName", PanelLeftRight);
        PCCredaIVklada = make<QTabWidget>("PCCredaIVklada", PanelLeftRight);
        Progress = make<QProgressBar>("Progress", PanelLeftRight);
        Progress->setFixedHeight(20);
        Progress->setRange(0, 100);
        Progress->setValue(0);
        Progress->setTextVisible(false);
        BClearData = button("BClearData", QStringLiteral("Очистить данные"), PanelLeftRight);
        BSave = button("BSave", QStringLiteral("Сохранить данные"), PanelLeftRight);
        layout->addWidget(LName);
        layout->addWidget(withMargins(EName, 3));
        layout->addWidget(PCCredaIVklada, 1);
        layout->addWidget(Progress);
        layout->addWidget(BClearData);
        layout->addWidget(BSave);

        TSCredit = make<QWidget>("TSCredit", PCCredaIVklada);
        auto* credit = vbox(TSCredit, 3);
        CategoryPanelGroup1 = make<TCategoryPanelGroup>("CategoryPanelGroup1", TSCredit);
        credit->addWidget(CategoryPanelGroup1);

        TSVklad = make<QWidget>("TSVklad", PCCredaIVklada);
        auto* vklad = vbox(TSVklad);
        Label2 = make<QLabel>("Label2", TSVklad, QStringLiteral("ВКЛАДКА НАХОДИТСЯ В РАЗРАБОТКЕ"));
        Label2->setAlignment(Qt::AlignCenter);
        Label2->setWordWrap(true);
        vklad->addWidget(Label2);
        vklad->addStretch(1);

        PCCredaIVklada->addTab(TSCredit, QStringLiteral("Расчёт кредита"));
        PCCredaIVklada->addTab(TSVklad, QStringLiteral("Расчёт вклада"));
        PCCredaIVklada->setTabEnabled(PCCredaIVklada->indexOf(TSVklad), false);
        PCCredaIVklada->setCurrentWidget(TSCredit);

        const auto panel = [this](const char* name, const QString& caption, int height) {
            auto* p = new TCategoryPanel(caption, height);
            p->setObjectName(QLatin1String(name));
            CategoryPanelGroup1->addPanel(p);
            return p;
        };
        CategoryPanel1 = panel("CategoryPanel1", QStringLiteral("Параметры"), 580);
        CategoryPanel2 = panel("CategoryPanel2", QStringLiteral("Переодичность"), 194);
        CategoryPanel3 =
            panel("CategoryPanel3", QStringLiteral("Дополнительные платежи (SMS и прочее)"), 379);
        CategoryPanel4 = panel("CategoryPanel4", QStringLiteral("Учесть досрочные платежи"), 259);
        CategoryPanel5 = panel("CategoryPanel5", QStringLiteral("О программе"), 533);
    }

    // "Параметры".
    {
        QWidget* body = CategoryPanel1->body();
        QVBoxLayout* layout = CategoryPanel1->bodyLayout();
        LData = make<QLabel>("LData", body, QStringLiteral("Дата выдачи кредита"));
        EDataVydachi = datePicker("EDataVydachi", body);
        LCreditor = make<QLabel>("LCreditor", body, QStringLiteral("Кредитор"));
        ECreditor = dropDown("ECreditor", body,
                             {QStringLiteral("Банк Home Credit"), QStringLiteral("Банк Альфа-банк"),
                              QStringLiteral("Банк Восточный экспресс банк"),
                              QStringLiteral("Банк ВТБ"), QStringLiteral("Банк МТС"),
                              QStringLiteral("Банк ОТПБанк"), QStringLiteral("Банк Ренессанс"),
                              QStringLiteral("Банк СберБанк"), QStringLiteral("Банк Сетелем"),
                              QStringLiteral("Другой банк"), QStringLiteral("Частное лицо")},
                             -1);
        LVidCred = make<QLabel>("LVidCred", body, QStringLiteral("Вид кредита"));
        EVidCred =
            dropDown("EVidCred", body,
                     {QStringLiteral("Потребительский"), QStringLiteral("Кредитная карта")}, 0);
        LTip = make<QLabel>("LTip", body, QStringLiteral("Тип кредита"));
        ETip = dropDown("ETip", body,
                        {QStringLiteral("Аннуитетный платеж"), QStringLiteral("Буллитный платёж"),
                         QStringLiteral("Дифференцированный платеж")},
                        0);
        LSummCred = make<QLabel>("LSummCred", body, QStringLiteral("Сумма кредита"));
        ESummCred = make<TEdit>("ESummCred", body);
        ESummCred->setText(QStringLiteral("0"));
        GBProcent0 =
            make<QGroupBox>("GBProcent0", body, QStringLiteral("Параметры процентной ставки"));
        GBProcent0->setMinimumHeight(228);
        GBProcent0->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        LMemo = make<QLabel>("LMemo", body, QStringLiteral("Примечание"));
        SMemo = make<TMemo>("SMemo", body);
        for (QWidget* w : std::initializer_list<QWidget*>{LData, EDataVydachi, LCreditor, ECreditor,
                                                          LVidCred, EVidCred, LTip, ETip, LSummCred,
                                                          ESummCred, GBProcent0, LMemo})
            layout->addWidget(w);
        layout->addWidget(SMemo, 1);

        auto* gb = new QVBoxLayout(GBProcent0);
        gb->setContentsMargins(2, 2, 2, 2);
        gb->setSpacing(0);
        // A rate panel: the edit box, the 10 and 1 spinners, " . ", then the spinners of the
        // four decimal places (its rows of RateSpinners, in their order).
        const auto ratePanel = [this](const char* panelName, TEdit* TForm1::*field,
                                      const char* editName, const QString& text,
                                      const char* pointName, int hundredthsX,
                                      QLabel*& point) -> QWidget* {
            auto* p = make<QWidget>(panelName, GBProcent0);
            p->setFixedHeight(21);
            TEdit* edit = make<TEdit>(editName, p);
            edit->setText(text);
            edit->setGeometry(0, 0, 90, 21);
            this->*field = edit;
            const int places[] = {96, 110, 134, hundredthsX, 163, 177};
            int place = 0;
            for (const RateSpinner& s : RateSpinners()) {
                if (s.field != field)
                    continue;
                auto* ud = make<TUpDown>(s.name, p);
                ud->setRange(-1000, 1000);
                ud->move(places[place++], 0);
                this->*s.control = ud;
            }
            point = make<QLabel>(pointName, p, QStringLiteral(" . "));
            point->setAlignment(Qt::AlignCenter);
            point->setGeometry(125, 0, 12, 21);
            return p;
        };
        LProcent0 = make<QLabel>("LProcent0", GBProcent0, QStringLiteral("Процентная ставка"));
        PProcent0 = ratePanel("PProcent0", &TForm1::EProcent0, "EProcent0", QStringLiteral("0.00"),
                              "LProcent0_00_0000", 148, LProcent0_00_0000);
        LSrok0 =
            make<QLabel>("LSrok0", GBProcent0, QStringLiteral("Срок кредита (кол-во платежей)"));
        ESrok0 = make<TEdit>("ESrok0", GBProcent0);
        LProcentRiska0 = make<QLabel>("LProcentRiska0", GBProcent0,
                                      QStringLiteral("Отклонение от формулы расчёта"));
        PProcentRiska0 =
            ratePanel("PProcentRiska0", &TForm1::EProcentRiska0, "EProcentRiska0",
                      QStringLiteral("0"), "LProcentRiska0_00_0000", 149, LProcentRiska0_00_0000);
        LDataPlateja =
            make<QLabel>("LDataPlateja", GBProcent0, QStringLiteral("Дата первого платежа"));
        EDataPlateja = datePicker("EDataPlateja", GBProcent0);
        LProcent1 = make<QLabel>("LProcent1", GBProcent0,
                                 QStringLiteral("Вторая процентная ставка (если есть)"));
        PProcent1 = ratePanel("PProcent1", &TForm1::EProcent1, "EProcent1", QString(),
                              "LProcent1_00_0000", 148, LProcent1_00_0000);
        LSrok1 = make<QLabel>("LSrok1", GBProcent0, QStringLiteral("С какого месяца действует"));
        ESrok1 = make<TEdit>("ESrok1", GBProcent0);
        for (QWidget* w : std::initializer_list<QWidget*>{
                 LProcent0, PProcent0, LSrok0, ESrok0, LProcentRiska0, PProcentRiska0, LDataPlateja,
                 EDataPlateja, LProcent1, PProcent1, LSrok1, ESrok1})
            gb->addWidget(w);
        gb->addStretch(1);
        GBProcent0->setMinimumHeight(
            std::max(GBProcent0->minimumHeight(), GBProcent0->sizeHint().height()));

        // Counts take digits only, whatever their key filter does.
        const QRegularExpression digits(QStringLiteral("[0-9]*"));
        ESrok0->setValidator(new QRegularExpressionValidator(digits, ESrok0));
        ESrok1->setValidator(new QRegularExpressionValidator(digits, ESrok1));
    }

    // "Переодичность".
    {
        QWidget* body = CategoryPanel2->body();
        QVBoxLayout* layout = CategoryPanel2->bodyLayout();
        EPere = dropDown("EPere", body,
                         {QStringLiteral("Ежемесячно"), QStringLiteral("Произвольно")}, 1);
        CSubb = make<QCheckBox>("CSubb", body, QStringLiteral("Исключить платежи в субботу"));
        CVosk = make<QCheckBox>("CVosk", body, QStringLiteral("Исключить платежи в воскресенье"));
        CPraz = make<QCheckBox>("CPraz", body, QStringLiteral("Исключить платежи в праздники"));
        R_30 = make<QRadioButton>("R_30", body, QStringLiteral("Каждый 30 день"));
        R_31 = make<QRadioButton>("R_31", body, QStringLiteral("Каждый 31 день"));
        R_31->setChecked(true);
        C360 = make<QCheckBox>("C360", body, QStringLiteral("360 дней в году"));
        // Margins 3 around every control; the radio buttons keep one parent, so that they
        // form one group.
        layout->setContentsMargins(3, 3, 3, 3);
        layout->setSpacing(6);
        for (QWidget* w :
             std::initializer_list<QWidget*>{EPere, CSubb, CVosk, CPraz, R_30, R_31, C360})
            layout->addWidget(w);
        layout->addStretch(1);
    }

    // "Дополнительные платежи (SMS и прочее)".
    {
        QWidget* body = CategoryPanel3->body();
        QVBoxLayout* layout = CategoryPanel3->bodyLayout();
        const auto group = [body](const char* name, const QString& caption, int height) {
            auto* g = make<QGroupBox>(name, body, caption);
            g->setMinimumHeight(height);
            g->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
            auto* l = new QVBoxLayout(g);
            l->setContentsMargins(4, 2, 4, 2);
            l->setSpacing(0);
            return g;
        };
        const auto add = [](QGroupBox* g, std::initializer_list<QWidget*> widgets) {
            for (QWidget* w : widgets)
                g->layout()->addWidget(w);
            static_cast<QVBoxLayout*>(g->layout())->addStretch(1);
            // The designed height, unless a font larger than the designed one needs more.
            g->setMinimumHeight(std::max(g->minimumHeight(), g->sizeHint().height()));
        };

        Strah = group("Strah", QStringLiteral("Страхование"), 139);
        StrahNo = make<QRadioButton>("StrahNo", Strah, QStringLiteral("Нет"));
        StrahYesVKred =
            make<QRadioButton>("StrahYesVKred", Strah, QStringLiteral("Да (включён в кредит)"));
        StrahYesNoKred = make<QRadioButton>("StrahYesNoKred", Strah,
                                            QStringLiteral("Да (дополнительно к кредиту)"));
        SummStrah = make<QLabel>("SummStrah", Strah, QStringLiteral("Сумма (стоимость) страховки"));
        StrahSumm = make<TEdit>("StrahSumm", Strah);
        StrahSumm->setPlaceholderText(QStringLiteral("Сумма страховой премии"));
        ColStrah = make<QLabel>("ColStrah", Strah, QStringLiteral("Количество платежей"));
        StrahCol = make<TEdit>("StrahCol", Strah);
        StrahCol->setPlaceholderText(QStringLiteral("Сумма страховой премии"));
        add(Strah,
            {StrahNo, StrahYesVKred, StrahYesNoKred, SummStrah, StrahSumm, ColStrah, StrahCol});

        SMS = group("SMS", QStringLiteral("SMS пакет"), 106);
        SMSNo = make<QRadioButton>("SMSNo", SMS, QStringLiteral("Нет"));
        SMSYesVKred =
            make<QRadioButton>("SMSYesVKred", SMS, QStringLiteral("Да (включён в кредит)"));
        SMSYesNoKred =
            make<QRadioButton>("SMSYesNoKred", SMS, QStringLiteral("Да (дополнительно к кредиту)"));
        SummSMS = make<QLabel>("SummSMS", SMS, QStringLiteral("Стоимость услуги (полностью)"));
        SummSMS->setWordWrap(true);
        SMSSumm = make<TEdit>("SMSSumm", SMS);
        SMSSumm->setPlaceholderText(QStringLiteral("Сумма дополнительных платежей"));
        add(SMS, {SMSNo, SMSYesVKred, SMSYesNoKred, SummSMS, SMSSumm});

        Dop = group("Dop", QStringLiteral("Корректировка расчёта"), 116);
        ColDop = make<QLabel>(
            "ColDop", Dop,
            QStringLiteral("Если расчитанная сумма платежей не совпадает с Вашим графиком, то "
                           "введите сумму первого платежа и постройте график заново."));
        ColDop->setWordWrap(true);
        SummDop = make<QLabel>("SummDop", Dop, QStringLiteral("Сумма первого платежа"));
        SummDop->setWordWrap(true);
        DopSumm = make<TEdit>("DopSumm", Dop);
        DopSumm->setPlaceholderText(QStringLiteral("Сумма дополнительных платежей"));
        add(Dop, {withMargins(ColDop, 3), SummDop, DopSumm});

        for (TEdit* e : {StrahSumm, StrahCol, SMSSumm, DopSumm})
            e->setText(QStringLiteral("0"));
        StrahNo->setChecked(true);
        SMSNo->setChecked(true);
        StrahSumm->setEnabled(false);
        StrahCol->setEnabled(false);
        SMSSumm->setEnabled(false);

        layout->addWidget(Strah);
        layout->addWidget(SMS);
        layout->addWidget(Dop);
        layout->addStretch(1);
    }

    // "Учесть досрочные платежи".
    {
        QWidget* body = CategoryPanel4->body();
        QVBoxLayout* layout = CategoryPanel4->bodyLayout();
        DosPlat = make<TStringGridView>("DosPlat", body);
        setupGrid(DosPlat, Calc::DosPlatColumnCount, 2, 1, 0, 90, 1);
        // What an early repayment reduces is chosen from a list.
        DosPlat->setPickList(Calc::DosPlatReduceColumn,
                             {Calc::DosPlatReducePayment(), Calc::DosPlatReduceTerm()});
        DosPlat->setColSizing(false);
        DosPlat->setEditing(true);
        AddDosPlat = button("AddDosPlat", QStringLiteral("Добавить платёж"), body);
        ClearDosPlat = button("ClearDosPlat", QStringLiteral("Очистить досрочные платежи"), body);
        layout->addWidget(withMargins(DosPlat, 3), 1);
        layout->addWidget(AddDosPlat);
        layout->addWidget(ClearDosPlat);
    }

    // "О программе".
    {
        QWidget* body = CategoryPanel5->body();
        QVBoxLayout* layout = CategoryPanel5->bodyLayout();
        Instruction = make<TMemo>("Instruction", body);
        Instruction->setLines(InstructionLines());
        Instruction->setReadOnly(true);
        Instruction->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        Instruction->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        MailTo =
            make<TLinkLabel>("MailTo", body, QStringLiteral("Написать разработчику программы"));
        MailTo->setAlignment(Qt::AlignCenter);
        layout->addWidget(Instruction, 1);
        layout->addWidget(MailTo);
    }

    CategoryPanelGroup1->collapseAll();
}
