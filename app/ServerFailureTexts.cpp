#include "app/ServerFailureTexts.h"

#include "app/HtmlEscape.h"
#include "connectors/server/ServerExceptions.h"

using namespace Quorvane;

namespace {

const wchar_t* const kCannotConnect = L"Cannot connect to Quorvane";

PanelTexts UnexpectedServerFailure()
{
    return PanelTexts(
        L"Can not connect to Quorvane",
        L"Unexpected error occured. <br/>Please verify entered Quorvane credentials and repeat the attempt");
}

}  // namespace

PanelTexts LoginFailureTexts(const std::wstring& address)
{
    try {
        throw;
    } catch (const InvalidCertificate&) {
        return PanelTexts(
            L"Cannot connect to Quorvane as SSL certificate is invalid",
            L"Certificate is invalid when it is: self-signed; out of date or not yet valid;<br>"
            L"issued for a different website address; not signed by a recognized certificate<br>"
            L"authority; corrupted.<br><br>Please contact the administrator of your Quorvane installation.");
    } catch (const AccountDisabledException&) {
        return PanelTexts(kCannotConnect,
                          L"Your account was disabled. Please contact your administrator for more information.");
    } catch (const BadURLException&) {
        return PanelTexts(kCannotConnect, L"The provided URL is not valid");
    } catch (const QuorvaneNotSupportedException&) {
        return PanelTexts(L"Quorvane version is not supported",
                          L"Incorrect Quorvane version at the specified address. <br>"
                          L"Please make sure your Quorvane version is 3.2 or higher.");
    } catch (const QuorvaneNotSpecifiedException&) {
        return PanelTexts();
    } catch (const QuorvaneNotFoundException&) {
        return PanelTexts(
            L"The provided URL is not valid",
            L"The site at \x2018" + HtmlEscape(address) +
                L"\x2019 does not respond. <br/>Please make sure you\x2019ve specified the URL correctly");
    } catch (const QuickBooksServiceNotSupported&) {
        return PanelTexts(
            L"Incorrect Quorvane version",
            L"Quorvane site at the specified address does not have Fenwold. <br/>It is required for Pellworth.");
    } catch (const InvalidCredentialsException&) {
        return PanelTexts(kCannotConnect, L"The specified username and/or password are incorrect. <br/>"
                                          L"Please make sure you are specifying them correctly.");
    } catch (const InvalidUrlException&) {
        return PanelTexts(L"Invalid URL", L"type correct url");
    } catch (...) {
        return UnexpectedServerFailure();
    }
}

PanelTexts DataFailureTexts()
{
    try {
        throw;
    } catch (const NoGenerateCostAndBillingReportsRightException&) {
        return PanelTexts(L"Insufficient access rights",
                          L"You do not have Generate Cost & Billing Reports access right. Please contact<br>"
                          L"your administrator to get required access rights and then restart application.");
    } catch (const UnknownQuorvaneException&) {
        return PanelTexts(L"Can not connect to Quorvane", L"Unknown error occured.");
    } catch (...) {
        return UnexpectedServerFailure();
    }
}
