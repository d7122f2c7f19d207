#pragma once
// The numbers of the sales screen's messages, in its language tables.

namespace orvant::sales {

enum SalesMessage {
    kInvoiceExists = 0,
    kInvoiceNotFound = 1,
    kClientOnCreditHold = 2,
    kOutOfBalance = 3,
    kCashSaleOnReceivable = 4,
    kEnterInvoice = 5,
    kEnterReference = 6,
    kNoSuchClient = 7,
    kAskForComment = 8,
    kNoSuchAccount = 9,
    kUseDebitColumn = 10,
    kUseCreditColumn = 11,
    kCaptionPrefix = 12,
    kCaptionBeforePeriod = 13,
    kNotANumber = 16,
    kNotADate = 17,
    kProjectSaleDescription = 18,
    kNoSuchProject = 19,
    kNoBudget = 20,
    kOtherCurrencyAccount = 21,
    kNegativeAmount = 22,
    kDebitAndCredit = 23,
    kHoldbackRefused = 24,
    kWaitingForClient = 25,
    kNothingToPost = 26,
    kControlCharacter = 27,
    kAskPostAgain = 28,
    kBeyondBooksLimit = 29,
    kPostedMeanwhile = 30,
    kAlreadyPosted = 31,
};

}  // namespace orvant::sales
