#pragma once
// The numbers of the purchases screen's messages, in its language tables. Lines 15 and 18 are
// not used.

namespace orvant::purchases {

enum PurchaseMessage {
    kInvoiceExists = 0,
    kInvoiceNotFound = 1,
    kEnterInvoice = 2,
    kCashPurchaseOnPayable = 3,
    kOutOfBalance = 4,
    kEnterReference = 5,
    kAskForComment = 6,
    kNoSuchSupplier = 7,
    kNoSuchAccount = 8,
    kUseCreditColumn = 9,   // the payable of a purchase, a debit note or a credit adjustment
    kUseDebitColumn = 10,   // the payable of a credit note
    kAccountMissing = 11,
    kCaptionPrefix = 12,
    kCaptionBeforePeriod = 13,
    kTjldRebuild = 14,
    kNotANumber = 16,
    kNotADate = 17,
    kProjectPurchaseDescription = 19,
    kNoSuchProject = 20,
    kNoBudget = 21,
    kNoElementBudget = 22,
    // Beyond the screen's original list.
    kOtherCurrencyAccount = 23,
    kNegativeAmount = 24,
    kDebitAndCredit = 25,
    kPayableBothSides = 26,   // a holdback needs the payable rows on one side
    kHoldbackTooMuch = 27,    // more than the payable amount, or nothing to hold back from
    kWaitingForSupplier = 28,
    kNothingToPost = 29,
    kControlCharacter = 30,
    kAskPostAgain = 31,
    kBeyondBooksLimit = 32,
    kPostedMeanwhile = 33,
    kAlreadyPosted = 34,
    kNoPayable = 35,
};

}  // namespace orvant::purchases
