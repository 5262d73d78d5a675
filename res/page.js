// The browsable page: reads the listing's data from the page's JSON blocks as the browser reads
// them, and shows a folder tree, the chosen folder's entries and one search over every entry.
// Only the rows in sight exist in the document. Plain script, no framework; every text is set as
// text, never as markup.
'use strict';

const ROW_HEIGHT = 22;
// Firefox ignores element heights above about 17.9 M px: a longer list scrolls in scale.
const MAX_SCROLL_HEIGHT = 8000000;
const SEARCH_DELAY_MS = 120;
const COLUMN_WIDTHS = {
  name: 'minmax(10em, 3fr)', location: 'minmax(8em, 2fr)', size: '7em', date: '11.5em', attributes: '5.5em',
  crc: '6.5em', version: 'minmax(7em, 1fr)', productVersion: 'minmax(7em, 1fr)',
};
const ATTRIBUTE_BITS = [[0x10, 'D'], [0x1, 'R'], [0x20, 'A'], [0x2, 'H'], [0x4, 'S']];

const state = {
  facts: null, end: null, words: {}, columns: [], fields: [],
  folders: [], byPath: new Map(), loaded: false,
  awaited: null,  // the path of a folder chosen before its data had arrived
  view: null, shown: null, sort: { key: 'name', descending: false },
  collator: new Intl.Collator(undefined, { numeric: true, sensitivity: 'base' }),
  elements: {},
};

// ---- Data ---------------------------------------------------------------------------------

// The data blocks follow the script in the document. Each is taken once the parser has gone past
// it, one per turn between the parser's own work: the listed folder shows from the first block
// and the page answers while the rest arrives. Totals are summed as folders arrive, and shown
// only once the last one is in.
const loading = {
  queue: [], scheduled: false, parsed: false, grown: new Set(), observer: null, turns: null, marked: false,
};

function readJsonBlock(id) {
  const element = document.getElementById(id);
  return element ? JSON.parse(element.textContent) : null;
}

function makeFolder(record) {
  const path = record[0];
  const folder = {
    path, name: '', parent: null, children: [], childByName: null, listedNames: null, unlisted: [],
    names: record[1], folderCount: record[2], sizes: record[3], values: {}, treeItem: null,
    totalBytes: 0, totalFiles: 0, totalFolders: 0, index: state.folders.length,
  };
  state.fields.forEach((field, n) => { folder.values[field] = record[4 + n]; });
  return folder;
}

// The nearest folder above path that the data holds (a name may itself hold "\").
function attachToParent(folder) {
  let cut = folder.path.length;
  while (cut > 0) {
    cut = folder.path.lastIndexOf('\\', cut - 1);
    const parentPath = cut < 0 ? '' : folder.path.slice(0, cut);
    const parent = state.byPath.get(parentPath);
    if (parent) {
      folder.parent = parent;
      folder.name = folder.path.slice(parentPath ? parentPath.length + 1 : 0);
      parent.children.push(folder);
      return;
    }
    if (cut < 0) return;
  }
}

function addToTotals(folder, bytes, files, folders) {
  for (let f = folder; f; f = f.parent) {
    f.totalBytes += bytes;
    f.totalFiles += files;
    f.totalFolders += folders;
  }
}

// Folder entries listed and folders entered meet by name; a folder entered but not listed (the
// folder names not asked for) still gets a row, and counts as a folder.
function matchToParent(folder) {
  const parent = folder.parent;
  if (!parent.childByName) {
    parent.childByName = new Map();
    parent.listedNames = new Set(parent.names.slice(0, parent.folderCount));
  }
  parent.childByName.set(folder.name, folder);
  if (parent.listedNames.has(folder.name)) return;
  parent.unlisted.push(folder);
  addToTotals(parent, 0, 0, 1);
}

// Parents come before their children: each folder adds its own files to itself and every
// folder above it.
function takeFolders(block) {
  for (const record of JSON.parse(block.textContent)) {
    const folder = makeFolder(record);
    if (state.folders.length > 0) attachToParent(folder);
    state.folders.push(folder);
    state.byPath.set(folder.path, folder);
    if (folder.parent) {
      matchToParent(folder);
      loading.grown.add(folder.parent);
    }
    let bytes = 0;
    for (let i = folder.folderCount; i < folder.sizes.length; i++) bytes += folder.sizes[i];
    addToTotals(folder, bytes, folder.names.length - folder.folderCount, folder.folderCount);
  }
  block.remove();  // its text is held twice else: as the document's and as the data
}

// A block is whole once anything follows it, or the document is parsed.
function queueParsedBlocks() {
  const parsed = document.readyState !== 'loading';
  for (const block of document.querySelectorAll('script.qm-data')) {
    if (block.queued) continue;
    if (!parsed && !block.nextSibling) break;
    block.queued = true;
    loading.queue.push(block);
  }
  loading.parsed = parsed;
  if (!state.shown && loading.queue.length) loadTurn();  // the listed folder at once
  else scheduleLoading();
}

function scheduleLoading() {
  if (loading.scheduled || state.loaded || (!loading.queue.length && !loading.parsed)) return;
  loading.scheduled = true;
  loading.turns.port2.postMessage(null);  // a turn of its own, without a timer's delay
}

function loadTurn() {
  loading.scheduled = false;
  const block = loading.queue.shift();
  if (block) {
    takeFolders(block);
    showArrived();
  } else if (loading.parsed) {
    finishLoading();
  }
  scheduleLoading();
}

function startLoading() {
  loading.turns = new MessageChannel();
  loading.turns.port1.onmessage = loadTurn;
  loading.observer = new MutationObserver(queueParsedBlocks);
  loading.observer.observe(document.body, { childList: true });
  document.addEventListener('DOMContentLoaded', queueParsedBlocks);
  queueParsedBlocks();
}

// What the folders just taken change in sight: the listed folder first, then the tree's
// twisties and open groups, the folder shown when folders it did not list arrived (the folder
// names not asked for), and a folder asked for before it had arrived.
function showArrived() {
  const root = state.folders[0];
  if (!state.shown && root) {
    state.elements.tree.append(treeItem(root));
    if (state.elements.search.value) state.shown = root;  // a search typed meanwhile stays
    else showFolder(root);
  }
  for (const folder of loading.grown) growTreeItem(folder);
  loading.grown.clear();
  const view = state.view;
  if (view && !view.search && viewCount(view) < view.folder.names.length + view.folder.unlisted.length) refreshView();
  const awaited = state.byPath.get(state.awaited);
  if (awaited) showFolder(awaited);
  markFirstRows();
}

// For measurements: the time from navigation to the listed folder's rows (or its being empty).
function markFirstRows() {
  if (loading.marked || !state.view || (viewCount(state.view) === 0 && !state.loaded)) return;
  loading.marked = true;
  performance.mark('qm-first-folder-shown');
}

function finishLoading() {
  state.loaded = true;
  state.awaited = null;
  loading.observer.disconnect();
  for (const folder of state.folders) folder.listedNames = null;
  state.end = readJsonBlock('qm-end');
  const root = state.folders[0];
  state.elements.allTotals.textContent = word('totals', readableSize(root ? root.totalBytes : 0),
    root ? root.totalFiles : 0, root ? root.totalFolders : 0);
  fillGaps();
  state.elements.exporter.disabled = false;
  document.getElementById('qm-page').removeAttribute('aria-busy');
  refreshView();
  markFirstRows();
  performance.mark('qm-all-loaded');
}

// ---- One entry: a folder and the entry's index in it (negative: a folder not listed) -------

function childOf(folder, index) {
  if (index < 0) return folder.unlisted[-1 - index];
  if (index >= folder.folderCount || !folder.childByName) return null;
  return folder.childByName.get(folder.names[index]) || null;
}

function isFolderEntry(folder, index) { return index < folder.folderCount; }

function entryName(folder, index) { return index < 0 ? childOf(folder, index).name : folder.names[index]; }

function entryPath(folder, index) {
  const name = entryName(folder, index);
  return folder.path ? folder.path + '\\' + name : name;
}

// A folder's size is known once every folder below it is in.
function entrySize(folder, index) {
  if (!isFolderEntry(folder, index)) return folder.sizes[index];
  if (!state.loaded) return null;
  const child = childOf(folder, index);
  return child ? child.totalBytes : null;
}

function entryValue(folder, index, key) {
  if (key === 'name') return entryName(folder, index);
  if (key === 'size') return entrySize(folder, index);
  if (key === 'location') return folder.path;
  const values = folder.values[key];
  return index < 0 || !values ? null : values[index];
}

// ---- Texts --------------------------------------------------------------------------------

function word(key, ...numbers) {
  let text = state.words[key] || key;
  numbers.forEach((value, n) => { text = text.split('%' + (n + 1)).join(String(value)); });
  return text;
}

function groupedDigits(value) { return String(value).replace(/\B(?=(\d{3})+(?!\d))/g, ','); }

function readableSize(bytes) {
  const units = ['B', 'KB', 'MB', 'GB', 'TB', 'PB'];
  let value = bytes;
  let unit = 0;
  while (value >= 1024 && unit < units.length - 1) { value /= 1024; unit++; }
  return unit === 0 ? bytes + ' B' : value.toFixed(value < 10 ? 1 : 0) + ' ' + units[unit];
}

// The listing machine's clock, as the list form writes it.
function dateText(seconds) {
  if (seconds === null || seconds === undefined) return '';
  const date = new Date(seconds * 1000);
  const two = (n) => String(n).padStart(2, '0');
  return date.getUTCFullYear() + '/' + two(date.getUTCMonth() + 1) + '/' + two(date.getUTCDate()) + ' ' +
    two(date.getUTCHours()) + ':' + two(date.getUTCMinutes()) + ':' + two(date.getUTCSeconds());
}

function attributeText(bits) {
  if (bits === null || bits === undefined) return '';
  return ATTRIBUTE_BITS.map(([bit, letter]) => (bits & bit ? letter : ' ')).join('');
}

function cellText(key, value) {
  if (value === null || value === undefined) return '';
  if (key === 'size') return readableSize(value);
  if (key === 'date') return dateText(value);
  if (key === 'attributes') return attributeText(value);
  return String(value);
}

// ---- Links --------------------------------------------------------------------------------

function encodedPath(path) { return path.split('\\').map(encodeURIComponent).join('/'); }

// Absolute paths link to the folder's own place; relative ones from the page's place.
function linkBase() {
  if (!state.facts.absolute) return '';
  let folder = state.facts.folder.replace(/\\+$/, '');
  if (folder.startsWith('\\\\')) return 'file://' + encodedPath(folder.slice(2)) + '/';
  const drive = folder.slice(0, 2);
  folder = folder.slice(3);
  return 'file:///' + drive + '/' + (folder ? encodedPath(folder) + '/' : '');
}

function entryLink(folder, index) { return state.linkBase + encodedPath(entryPath(folder, index)); }

// ---- Building the page ----------------------------------------------------------------------

function element(tag, className, text) {
  const made = document.createElement(tag);
  if (className) made.className = className;
  if (text !== undefined) made.textContent = text;
  return made;
}

function buildHeader() {
  const header = element('header', 'qm-header');
  header.append(element('h1', 'qm-folder', state.facts.folder));
  const facts = element('p', 'qm-facts');
  const allTotals = element('span', 'qm-all-totals', unknownTotals());
  facts.append(element('span', '', word('listed', state.facts.listed)), ' \u00b7 ', allTotals);
  const gaps = element('div', 'qm-gaps');
  header.append(facts, gaps);
  const tools = element('div', 'qm-tools');
  const search = element('input');
  search.type = 'search';
  search.placeholder = word('search');
  search.setAttribute('aria-label', word('search'));
  search.addEventListener('input', scheduleSearch);
  const exporter = element('button', 'qm-export', word('export'));
  exporter.type = 'button';
  exporter.disabled = true;  // until every entry is in
  exporter.addEventListener('click', exportCsv);
  tools.append(search, exporter);
  header.append(tools);
  Object.assign(state.elements, { search, exporter, allTotals, gaps });
  return header;
}

function unknownTotals() { return word('totals', '\u2026', '\u2026', '\u2026'); }

function fillGaps() {
  const gaps = state.elements.gaps;
  const end = state.end || { unreadCount: 0, inexactNames: 0, unread: [] };
  if (end.unreadCount > 0) {
    const details = element('details', 'qm-unread');
    details.append(element('summary', '', word('unread', end.unreadCount)));
    const list = element('ul');
    for (const item of end.unread) list.append(element('li', '', item.path + ' (' + item.reason + ')'));
    details.append(list);
    gaps.append(details);
  }
  if (end.inexactNames > 0) gaps.append(element('p', 'qm-inexact', word('inexact', end.inexactNames)));
}

function buildLayout() {
  const page = document.getElementById('qm-page');
  page.append(buildHeader());
  const main = element('div', 'qm-main');
  const tree = element('ul', 'qm-tree');
  tree.setAttribute('role', 'tree');
  tree.addEventListener('keydown', onTreeKey);
  tree.addEventListener('click', onTreeClick);
  const right = element('section', 'qm-content');
  const bar = element('div', 'qm-bar');
  const crumbs = element('nav', 'qm-crumbs');
  const status = element('span', 'qm-status');
  bar.append(crumbs, status);
  const headings = element('div', 'qm-row qm-headings');
  headings.setAttribute('role', 'row');
  headings.addEventListener('click', onHeadingClick);
  const viewport = element('div', 'qm-viewport');
  const rows = element('div', 'qm-rows');
  const spacer = element('div', 'qm-spacer');
  viewport.append(rows, spacer);
  viewport.addEventListener('scroll', () => requestAnimationFrame(renderRows));
  viewport.addEventListener('click', onRowClick);
  right.append(bar, headings, viewport);
  main.append(tree, right);
  page.append(main);
  Object.assign(state.elements, { tree, crumbs, status, headings, viewport, rows, spacer });
  window.addEventListener('resize', () => renderRows());
}

// ---- The tree -------------------------------------------------------------------------------

function treeItem(folder) {
  const item = element('li', 'qm-item');
  item.setAttribute('role', 'treeitem');
  item.dataset.folder = folder.path;
  item.tabIndex = -1;
  const label = element('span', 'qm-label');
  const twisty = element('span', 'qm-twisty', folder.children.length ? '\u25b8' : '');
  label.append(twisty, element('span', 'qm-label-name', folder.parent ? folder.name : state.facts.folder));
  item.append(label);
  if (folder.children.length) item.setAttribute('aria-expanded', 'false');
  item.folderRef = folder;
  folder.treeItem = item;
  return item;
}

function expand(item, open) {
  const folder = item.folderRef;
  if (!folder.children.length) return;
  let group = item.querySelector(':scope > ul');
  if (open && !group) {
    group = element('ul', 'qm-group');
    group.setAttribute('role', 'group');
    item.append(group);
    fillGroup(folder, group);
  }
  if (group) group.hidden = !open;
  item.setAttribute('aria-expanded', String(open));
  item.querySelector(':scope > .qm-label > .qm-twisty').textContent = open ? '\u25be' : '\u25b8';
}

// The children's items in name order; those made before are moved, keeping their groups.
function fillGroup(folder, group) {
  const sorted = folder.children.slice().sort((a, b) => state.collator.compare(a.name, b.name));
  const fragment = document.createDocumentFragment();
  for (const child of sorted) fragment.append(child.treeItem || treeItem(child));
  group.append(fragment);
}

// A folder whose children arrived after its item was made: its twisty, and its group if made.
function growTreeItem(folder) {
  const item = folder.treeItem;
  if (!item) return;
  const group = item.querySelector(':scope > ul');
  if (group) fillGroup(folder, group);
  else if (!item.hasAttribute('aria-expanded')) expand(item, folder === state.shown);  // as showing it would have
}

function treeItemOf(folder) {
  const chain = [];
  for (let f = folder; f; f = f.parent) chain.unshift(f);
  for (const f of chain.slice(0, -1)) expand(f.treeItem, true);
  return folder.treeItem;
}

// One item at a time is the tree's stop for the Tab key.
function makeTabStop(item) {
  for (const other of state.elements.tree.querySelectorAll('[tabindex="0"]')) other.tabIndex = -1;
  item.tabIndex = 0;
}

function focusTreeItem(item) {
  makeTabStop(item);
  item.focus();
}

function visibleTreeItems() {
  return [...state.elements.tree.querySelectorAll('li')].filter((item) => item.offsetParent !== null);
}

function onTreeKey(event) {
  const item = event.target.closest('li');
  if (!item) return;
  const items = visibleTreeItems();
  const at = items.indexOf(item);
  const expanded = item.getAttribute('aria-expanded') === 'true';
  if (event.key === 'ArrowDown' && at + 1 < items.length) focusTreeItem(items[at + 1]);
  else if (event.key === 'ArrowUp' && at > 0) focusTreeItem(items[at - 1]);
  else if (event.key === 'ArrowRight' && item.folderRef.children.length) {
    if (expanded) focusTreeItem(item.querySelector(':scope > ul > li'));
    else expand(item, true);
  } else if (event.key === 'ArrowLeft') {
    if (expanded) expand(item, false);
    else if (item.parentElement.closest('li')) focusTreeItem(item.parentElement.closest('li'));
  } else if (event.key === 'Enter') showFolder(item.folderRef);
  else return;
  event.preventDefault();
}

function onTreeClick(event) {
  const item = event.target.closest('li');
  if (!item) return;
  if (event.target.classList.contains('qm-twisty')) {
    expand(item, item.getAttribute('aria-expanded') !== 'true');
    return;
  }
  showFolder(item.folderRef);
  focusTreeItem(item);
}

// ---- Views: the rows shown, as folder and entry index pairs ---------------------------------

function folderView(folder) {
  const count = folder.names.length + folder.unlisted.length;
  const view = { folder, search: false, folderOf: new Int32Array(count), indexOf: new Int32Array(count) };
  view.folderOf.fill(folder.index);
  for (let i = 0; i < folder.names.length; i++) view.indexOf[i] = i;
  for (let c = 0; c < folder.unlisted.length; c++) view.indexOf[folder.names.length + c] = -1 - c;
  return view;
}

function viewCount(view) { return view.indexOf.length; }

function sortView(view) {
  const { key, descending } = state.sort;
  const count = viewCount(view);
  const order = new Uint32Array(count);
  for (let n = 0; n < count; n++) order[n] = n;
  const folders = state.folders;
  const keyOf = (n) => entryValue(folders[view.folderOf[n]], view.indexOf[n], key);
  const isFolder = (n) => isFolderEntry(folders[view.folderOf[n]], view.indexOf[n]);
  const nameOf = (n) => entryName(folders[view.folderOf[n]], view.indexOf[n]);
  const compareKeys = key === 'name' || key === 'location' || key === 'version' || key === 'productVersion'
    ? (a, b) => state.collator.compare(a, b) : (a, b) => (a === b ? 0 : a === null ? -1 : b === null ? 1 : a < b ? -1 : 1);
  const sorted = Array.from(order).sort((a, b) => {
    const folderFirst = Number(isFolder(b)) - Number(isFolder(a));
    if (folderFirst) return folderFirst;  // folders first, whichever way
    let result = compareKeys(keyOf(a) ?? '', keyOf(b) ?? '');
    if (key !== 'name' && result === 0) result = state.collator.compare(nameOf(a), nameOf(b));
    return descending ? -result : result;
  });
  view.order = Uint32Array.from(sorted);
}

function shownColumns(view) {
  const columns = ['name'];
  if (view.search) columns.push('location');
  return columns.concat(state.columns);
}

// A view keeps the order it was given (search hits: folder by folder) until a heading is clicked.
// The scroll position stays when the same rows are shown anew.
function showView(view, keepScroll = false) {
  state.view = view;
  if (!view.order) sortView(view);
  const columns = shownColumns(view);
  const template = columns.map((key) => COLUMN_WIDTHS[key] || 'minmax(6em, 1fr)').join(' ');
  state.elements.headings.style.gridTemplateColumns = template;
  state.elements.rows.style.setProperty('--columns', template);
  renderHeadings(columns);
  const height = Math.min(viewCount(view) * ROW_HEIGHT, MAX_SCROLL_HEIGHT);
  state.elements.spacer.style.height = height + 'px';
  if (!keepScroll) state.elements.viewport.scrollTop = 0;
  renderRows();
}

function renderHeadings(columns) {
  const headings = state.elements.headings;
  headings.textContent = '';
  for (const key of columns) {
    const heading = element('button', 'qm-heading', word(key));
    heading.type = 'button';
    heading.dataset.sort = key;
    if (state.sort.key === key && (!state.view.search || state.view.sorted)) heading.setAttribute('aria-sort', state.sort.descending ? 'descending' : 'ascending');
    headings.append(heading);
  }
}

function onHeadingClick(event) {
  const heading = event.target.closest('[data-sort]');
  if (!heading || !state.view) return;
  const key = heading.dataset.sort;
  state.sort = { key, descending: state.sort.key === key ? !state.sort.descending : false };
  state.view.order = null;
  state.view.sorted = true;
  showView(state.view);
}

// The rows in sight: the scroll position, scaled when the list is taller than the limit,
// picks the first one.
function renderRows() {
  const view = state.view;
  if (!view) return;
  const { viewport, rows, spacer } = state.elements;
  const count = viewCount(view);
  const inSight = Math.ceil(viewport.clientHeight / ROW_HEIGHT) + 1;
  const scrollRange = Math.max(1, spacer.offsetHeight - viewport.clientHeight);
  const ratio = Math.min(1, viewport.scrollTop / scrollRange);
  const first = Math.max(0, Math.round(ratio * Math.max(0, count - inSight + 1)));
  rows.textContent = '';
  if (count === 0) {
    if (state.loaded) rows.append(element('div', 'qm-empty', word('empty')));  // else rows may come
    return;
  }
  const columns = shownColumns(view);
  const fragment = document.createDocumentFragment();
  for (let n = first; n < Math.min(count, first + inSight); n++) fragment.append(renderRow(view, view.order[n], columns));
  rows.append(fragment);
}

function renderRow(view, n, columns) {
  const folder = state.folders[view.folderOf[n]];
  const index = view.indexOf[n];
  const row = element('div', 'qm-row');
  row.setAttribute('role', 'row');
  row.style.gridTemplateColumns = 'var(--columns)';
  row.dataset.path = entryPath(folder, index);
  const entryIsFolder = isFolderEntry(folder, index);
  for (const key of columns) {
    if (key === 'name') {
      const link = element('a', entryIsFolder ? 'qm-name qm-is-folder' : 'qm-name', entryName(folder, index));
      link.href = entryLink(folder, index);
      row.append(link);
    } else if (key === 'location') {
      const link = element('a', 'qm-location', folder.path || '\\');
      link.href = '#';
      link.dataset.open = folder.path;
      row.append(link);
    } else {
      const value = entryValue(folder, index, key);
      const cell = element('span', 'qm-cell qm-' + key, cellText(key, value));
      if (key === 'size' && value !== null) cell.title = groupedDigits(value);
      row.append(cell);
    }
  }
  return row;
}

function onRowClick(event) {
  const link = event.target.closest('a');
  if (!link) return;
  const row = link.closest('.qm-row');
  let target = null;
  if (link.dataset.open !== undefined) target = state.byPath.get(link.dataset.open);
  else if (link.classList.contains('qm-is-folder')) target = state.byPath.get(row.dataset.path);
  if (!target && link.classList.contains('qm-is-folder') && !state.loaded) {
    event.preventDefault();
    state.awaited = row.dataset.path;  // shown when it arrives
    return;
  }
  if (!target) return;  // a file's link, or a folder the listing did not enter
  event.preventDefault();
  showFolder(target);
}

// ---- The folder shown ---------------------------------------------------------------------

function showFolder(folder) {
  state.shown = folder;
  state.awaited = null;
  if (state.elements.search.value) state.elements.search.value = '';
  renderCrumbs(folder);
  renderFolderStatus(folder);
  const item = treeItemOf(folder);
  if (item) {
    for (const other of state.elements.tree.querySelectorAll('.qm-current')) other.classList.remove('qm-current');
    item.classList.add('qm-current');
    makeTabStop(item);  // the focus stays where it is (the search box, a breadcrumb)
    expand(item, true);
  }
  showView(folderView(folder));
}

function renderCrumbs(folder) {
  const crumbs = state.elements.crumbs;
  crumbs.textContent = '';
  const chain = [];
  for (let f = folder; f; f = f.parent) chain.unshift(f);
  chain.forEach((f, n) => {
    if (n > 0) crumbs.append(element('span', 'qm-crumb-gap', ' \u203a '));
    const crumb = element('a', 'qm-crumb', f.parent ? f.name : state.facts.folder);
    crumb.href = '#';
    crumb.addEventListener('click', (event) => { event.preventDefault(); showFolder(f); });
    crumbs.append(crumb);
  });
}

function renderFolderStatus(folder) {
  const status = state.elements.status;
  status.textContent = '';
  if (!state.loaded) {
    status.append(element('span', 'qm-totals', unknownTotals()));
    return;
  }
  const totals = element('span', 'qm-totals',
    word('totals', readableSize(folder.totalBytes), folder.totalFiles, folder.totalFolders));
  totals.dataset.totalBytes = String(folder.totalBytes);
  totals.dataset.totalFiles = String(folder.totalFiles);
  totals.title = groupedDigits(folder.totalBytes);
  status.append(totals);
}

// ---- Search -------------------------------------------------------------------------------

let searchTimer = 0;

function scheduleSearch() {
  clearTimeout(searchTimer);
  searchTimer = setTimeout(runSearch, SEARCH_DELAY_MS);
}

// The filter's wildcards: "*" any run, "?" one character, any case; without either, the text
// anywhere in the name.
function searchPattern(text) {
  const escaped = text.replace(/[.+^${}()|[\]\\]/g, '\\$&').replace(/\*/g, '.*').replace(/\?/g, '.');
  return /[*?]/.test(text) ? new RegExp('^' + escaped + '$', 'is') : new RegExp(escaped, 'is');
}

// Every entry whose name matches, folder by folder; the count and the rows as they scroll.
function searchEntries(text) {
  const pattern = searchPattern(text);
  const folderOf = [];
  const indexOf = [];
  for (const folder of state.folders) {
    const names = folder.names;
    for (let i = 0; i < names.length; i++) {
      if (pattern.test(names[i])) { folderOf.push(folder.index); indexOf.push(i); }
    }
    for (let c = 0; c < folder.unlisted.length; c++) {
      if (pattern.test(folder.unlisted[c].name)) { folderOf.push(folder.index); indexOf.push(-1 - c); }
    }
  }
  const order = new Uint32Array(folderOf.length);
  for (let n = 0; n < order.length; n++) order[n] = n;
  return { search: true, folderOf: Int32Array.from(folderOf), indexOf: Int32Array.from(indexOf), order };
}

function runSearch() {
  const text = state.elements.search.value;
  if (!text) {
    if (state.shown) showFolder(state.shown);
    return;
  }
  state.awaited = null;
  showView(searchView(text));
}

// While entries are still arriving, the count says it is a floor.
function searchView(text) {
  const view = searchEntries(text);
  const count = viewCount(view);
  state.elements.status.textContent = word('hits', state.loaded ? count : count + '+');
  return view;
}

// Once every entry is in: the same folder or search again, its sizes, totals and unlisted folders
// now known, in the order chosen.
function refreshView() {
  const old = state.view;
  if (!old) return;
  const text = state.elements.search.value;
  let view;
  if (old.search && text) {
    view = searchView(text);
  } else if (!old.search) {
    renderFolderStatus(old.folder);
    view = folderView(old.folder);
  } else {
    return;  // the box emptied: its timer shows the folder
  }
  view.sorted = old.sorted;
  if (!view.search || view.sorted) view.order = null;
  showView(view, true);
}

// ---- CSV export of the view shown (RFC 4180) --------------------------------------------

function csvField(text) {
  const value = String(text);
  return /[",\r\n]/.test(value) ? '"' + value.replace(/"/g, '""') + '"' : value;
}

function csvValue(key, value) {
  if (value === null || value === undefined) return '';
  if (key === 'date') return dateText(value);
  if (key === 'attributes') return attributeText(value);
  return String(value);
}

function viewCsv(view) {
  const keys = ['path'].concat(state.columns);
  const lines = [keys.map((key) => csvField(key === 'path' ? word('name') : word(key))).join(',')];
  for (let k = 0; k < viewCount(view); k++) {
    const n = view.order[k];
    const folder = state.folders[view.folderOf[n]];
    const index = view.indexOf[n];
    lines.push(keys.map((key) => csvField(key === 'path' ? entryPath(folder, index)
      : csvValue(key, entryValue(folder, index, key)))).join(','));
  }
  return lines.join('\r\n') + '\r\n';
}

function exportCsv() {
  if (!state.view || !state.loaded) return;
  const blob = new Blob(['\ufeff' + viewCsv(state.view)], { type: 'text/csv;charset=utf-8' });
  const link = element('a');
  link.href = URL.createObjectURL(blob);
  link.download = 'listing.csv';
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}

// ---- Start --------------------------------------------------------------------------------

function start() {
  state.facts = readJsonBlock('qm-facts');
  state.words = state.facts.words;
  state.columns = state.facts.columns;
  state.fields = state.columns.filter((key) => key !== 'size');
  state.linkBase = linkBase();
  document.title = word('title') + ' - ' + state.facts.folder;
  buildLayout();
  document.getElementById('qm-page').setAttribute('aria-busy', 'true');
  startLoading();
}

start();
