#include "ErrorReport.h"

#include "ErrorCodeTable.h"

#include <new>
#include <stdexcept>
#include <system_error>
#include <typeinfo>

const QStringList& ShortNoticeTypes() {
    static const QStringList types = {
        QStringLiteral("EArgumentException"),
        QStringLiteral("EArgumentOutOfRangeException"),
        QStringLiteral("EPathTooLongException"),
        QStringLiteral("ENotSupportedException"),
        QStringLiteral("EDirectoryNotFoundException"),
        QStringLiteral("EFileNotFoundException"),
        QStringLiteral("ENoConstructException"),
        QStringLiteral("EHeapException"),
        QStringLiteral("EOutOfMemory"),
        QStringLiteral("EInvalidPointer"),
        QStringLiteral("EExternal"),
        QStringLiteral("EExternalException"),
        QStringLiteral("EIntError"),
        QStringLiteral("EDivByZero"),
        QStringLiteral("ERangeError"),
        QStringLiteral("EIntOverflow"),
        QStringLiteral("EMathError"),
        QStringLiteral("EUnderflow"),
        QStringLiteral("EPrivilege"),
        QStringLiteral("EStackOverflow"),
        QStringLiteral("EControlC"),
        QStringLiteral("EVariantError"),
        QStringLiteral("EPropReadOnly"),
        QStringLiteral("EPropWriteOnly"),
        QStringLiteral("EAssertionFailed"),
        QStringLiteral("EIntfCastError"),
        QStringLiteral("EInvalidContainer"),
        QStringLiteral("EInvalidInsert"),
        QStringLiteral("EPackageError"),
        QStringLiteral("EOSError"),
        QStringLiteral("EWin32Error"),
        QStringLiteral("ESafecallException"),
        QStringLiteral("EMonitor"),
        QStringLiteral("EMonitorLockException"),
        QStringLiteral("ENoMonitorSupportException"),
        QStringLiteral("EProgrammerNotFound"),
        QStringLiteral("EEncodingError"),
        QStringLiteral("EStreamError"),
        QStringLiteral("EFileStreamError"),
        QStringLiteral("EFCreateError"),
        QStringLiteral("EFOpenError"),
        QStringLiteral("EFilerError"),
        QStringLiteral("EReadError"),
        QStringLiteral("EWriteError"),
        QStringLiteral("EClassNotFound"),
        QStringLiteral("EMethodNotFound"),
        QStringLiteral("EInvalidImage"),
        QStringLiteral("EResNotFound"),
        QStringLiteral("EBitsError"),
        QStringLiteral("EComponentError"),
        QStringLiteral("EParserError"),
        QStringLiteral("EOutOfResources"),
        QStringLiteral("EInvalidOperation"),
        QStringLiteral("EThread"),
        QStringLiteral("EInvalidGraphic"),
        QStringLiteral("EInvalidGraphicOperation"),
        QStringLiteral("EUpdateError"),
        QStringLiteral("ENoResultSet"),
        QStringLiteral("EOleError"),
        QStringLiteral("EOleSysError"),
        QStringLiteral("EOleException"),
        QStringLiteral("EOleRegistrationError"),
        QStringLiteral("ETreeViewError"),
        QStringLiteral("ECommonCalendarError"),
        QStringLiteral("EDateTimeError"),
        QStringLiteral("EAppletException"),
        QStringLiteral("EMenuError"),
        QStringLiteral("EMCIDeviceError"),
        QStringLiteral("EBrokerException"),
        QStringLiteral("EOutlineError"),
        QStringLiteral("EPrinter"),
        QStringLiteral("EDSWriter"),
        QStringLiteral("ERegistryException"),
        QStringLiteral("ESocketError"),
        QStringLiteral("EInterpreterError"),
        QStringLiteral("ESocketConnectionError"),
        QStringLiteral("EPropertyError"),
        QStringLiteral("EPropertyConvertError"),
        QStringLiteral("EDLLLoadError"),
        QStringLiteral("EGestureException"),
        QStringLiteral("EInvalidArgument"),
        QStringLiteral("EIBError"),
        QStringLiteral("EIBInterBaseError"),
        QStringLiteral("EIBClientError"),
        QStringLiteral("EADOError"),
        QStringLiteral("EDBClient"),
    };
    return types;
}

const QStringList& CodedTypes() {
    static const QStringList types = {
        QStringLiteral("EInOutError"),      QStringLiteral("EInvalidOp"),
        QStringLiteral("EZeroDivide"),      QStringLiteral("EOverflow"),
        QStringLiteral("EAccessViolation"), QStringLiteral("EInvalidCast"),
        QStringLiteral("EConvertError"),    QStringLiteral("EListError"),
        QStringLiteral("EMonthCalError"),   QStringLiteral("EInvalidGridOperation"),
        QStringLiteral("EDBEditError"),
    };
    return types;
}

namespace {

QString foreignMessage(const std::exception& error) {
    return QString::fromUtf8(error.what());
}

Exception describe(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const Exception& e) {
        return e;
    } catch (const std::bad_alloc&) {
        return EOutOfMemory(QStringLiteral("Out of memory"));
    } catch (const std::bad_cast&) {
        return EInvalidCast(QStringLiteral("Invalid class typecast"));
    } catch (const std::out_of_range& e) {
        return EArgumentOutOfRangeException(foreignMessage(e));
    } catch (const std::invalid_argument& e) {
        return EArgumentException(foreignMessage(e));
    } catch (const std::system_error& e) {
        return EOSError(foreignMessage(e));
    } catch (const std::exception& e) {
        return ENamedException(foreignMessage(e), "EExternalException");
    } catch (...) {
        return Exception("Exception", QStringLiteral("Unknown exception"));
    }
}

QString reportLine(const QString& text) {
    return text + MessageLineBreak;
}

} // namespace

Exception DescribeError(std::exception_ptr error) noexcept {
    try {
        return describe(error);
    } catch (...) {
        // Describing needs memory; without it the report falls back to fixed texts.
        return Exception("EOutOfMemory", QStringLiteral("Out of memory"));
    }
}

quint16 ErrorReportCode(const Exception& error) {
    if (!CodedTypes().contains(error.className()))
        return 0;
    return static_cast<quint16>(error.code());
}

QStringList ErrorReportTexts(const Exception& error) {
    QStringList boxes;
    if (ShortNoticeTypes().contains(error.className()))
        boxes << error.className() + MessageLineBreak + error.message();

    const quint16 code = ErrorReportCode(error);
    QString report = reportLine(QStringLiteral("ОШИБКА ПРОГРАММЫ!!!")) +
                     reportLine(QStringLiteral("Класс ошибки:......") + error.className()) +
                     reportLine(QStringLiteral("Сообщение(en):....") + error.message());
    if (code != 0) {
        report +=
            reportLine(QStringLiteral("Сообщение(ru):.....") + ErrorCodeText(code)) +
            reportLine(QStringLiteral("Code:........................") + QString::number(code)) +
            reportLine(QStringLiteral("(Code/32:.......................") +
                       QString::number(code % 32) + QStringLiteral(")"));
    }
    boxes << report;
    return boxes;
}

void ShowErrorReport(QObject* sender, std::exception_ptr error, MessageService& messages) noexcept {
    Q_UNUSED(sender);
    try {
        const QStringList boxes = ErrorReportTexts(DescribeError(error));
        for (const QString& box : boxes)
            messages.showMessage(box);
    } catch (...) {
        // Nothing is left to report with: the error is dropped rather than ending the program.
    }
}
