#include "net/RvNetGet.h"

namespace ravlet {

std::string RvNetGet::TranslateErrorCode(long code) {
    switch (code) {
        case 2:
            return "Execution/Object Error (RvNetGet/2)";
        case 6:
            return "The Url is not valid (RvNetGet/6)";
        case 12001:
            return "No more handles could be generated at this time";
        case 12002:
            return "The request has timed out.";
        case 12003:
            return "An extended error was returned from the server.";
        case 12004:
            return "An internal error has occurred.";
        case 12005:
            return "The URL is invalid.";
        case 12006:
            return "The URL scheme could not be recognized, or is not supported.";
        case 12007:
            return "The server name could not be resolved.";
        case 12008:
            return "The requested protocol could not be located.";
        case 12009:
            return "A request to InternetQueryOption or InternetSetOption specified an invalid "
                   "option value.";
        case 12010:
            return "The length of an option supplied to InternetQueryOption or "
                   "InternetSetOption is incorrect for the type of option specified.";
        case 12011:
            return "The request option can not be set, only queried. ";
        case 12012:
            return "The Win32 Internet support is being shutdown or unloaded.";
        case 12013:
            return "The request to connect and login to an FTP server could not be completed "
                   "because the supplied user name is incorrect.";
        case 12014:
            return "The request to connect and login to an FTP server could not be completed "
                   "because the supplied password is incorrect. ";
        case 12015:
            return "The request to connect to and login to an FTP server failed.";
        case 12016:
            return "The requested operation is invalid. ";
        case 12017:
            return "The operation was canceled, usually because the handle on which the "
                   "request was operating was closed before the operation completed.";
        case 12018:
            return "The type of handle supplied is incorrect for this operation.";
        case 12019:
            return "The requested operation can not be carried out because the handle "
                   "supplied is not in the correct state.";
        case 12020:
            return "The request can not be made via a proxy.";
        case 12021:
            return "A required registry value could not be located. ";
        case 12022:
            return "A required registry value was located but is an incorrect type or has an "
                   "invalid value.";
        case 12023:
            return "Direct network access cannot be made at this time. ";
        case 12024:
            return "An asynchronous request could not be made because a zero context value "
                   "was supplied.";
        case 12025:
            return "An asynchronous request could not be made because a callback function has "
                   "not been set.";
        case 12026:
            return "The required operation could not be completed because one or more "
                   "requests are pending.";
        case 12027:
            return "The format of the request is invalid.";
        case 12028:
            return "The requested item could not be located.";
        case 12029:
            return "The attempt to connect to the server failed.";
        case 12030:
            return "The connection with the server has been terminated.";
        case 12031:
            return "The connection with the server has been reset.";
        case 12036:
            return "The request failed because the handle already exists.";
        // Failures of the internet library that the table above has no text for.
        case 12045:
            return "The server's certificate is not trusted.";
        case 12152:
            return "The server response could not be parsed.";
        case 12157:
            return "The secure connection to the server could not be made.";
        case 12901:
            return "The server's redirections run in a loop.";
        case 12902:
            return "The server redirected more than 20 times.";
        case 12903:
            return "The server's response head, or a line of it, is too large.";
        case 12904:
            return "The server's answer is not HTTP.";
        case 12905:
            return "The server sent a bad Content-Length.";
        default:
            return "Error details not available (" + std::to_string(code) + ").";
    }
}

}  // namespace ravlet
